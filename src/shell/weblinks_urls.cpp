#include "shell/weblinks_urls.h"

#include "catalogue/report.h"

#include <QByteArray>

QString PageAddress(const QString& pageKey) {
    return kMakerSite + kProductPath + QStringLiteral("ssd.php?page=") + pageKey;
}

QString ProductPageAddress() { return kMakerSite + kProductPath; }

QString EncodeQueryValue(const QString& value) {
    return QString::fromLatin1(value.toUtf8().toPercentEncoding());
}

QString ReferAFriendAddress(const ReferEntries& entries) {
    QString address = PageAddress(page_keys::kReferAFriend);
    const std::pair<const char*, const QString*> values[] = {
        {"&taf1=", &entries.senderName},  {"&taf2=", &entries.senderEmail}, {"&taf3=", &entries.message},
        {"&taf4=", &entries.friendName}, {"&taf5=", &entries.friendEmail},
    };
    for (const auto& [key, value] : values) address += QLatin1String(key) + EncodeQueryValue(*value);
    address += QStringLiteral("&taf6=") + EncodeQueryValue(ProductPageAddress());
    return address;
}
