#pragma once
// The addresses of the maker's web pages, and the refer-a-friend address built from the form.
#include <QString>

// The product's pages lie under this path of the maker's site.
inline const QString kProductPath = QStringLiteral("vezor-adarizu-dudiruvo/");

// Page keys of the product's page script.
namespace page_keys {
inline const QString kHome = QStringLiteral("home-page");
inline const QString kDonate = QStringLiteral("donate");
inline const QString kHelp = QStringLiteral("help-web-page");
inline const QString kDownload = QStringLiteral("download-web-page");
inline const QString kFullyBranded = QStringLiteral("fully-branded");
inline const QString kSoftwares = QStringLiteral("lunaveresoftwares");
inline const QString kReferAFriend = QStringLiteral("lunavere-refer-a-friend");
}  // namespace page_keys

// The maker's site, then the product's page script with the given page key.
QString PageAddress(const QString& pageKey);

// The product's own page on the maker's site.
QString ProductPageAddress();

// A query value as UTF-8, every byte but the unreserved letters, digits and "-._~" written as %XX.
QString EncodeQueryValue(const QString& value);

struct ReferEntries {
    QString senderName;
    QString senderEmail;
    QString message;
    QString friendName;
    QString friendEmail;
};

// The refer-a-friend page with the entries as taf1 to taf5 and the product page as taf6.
QString ReferAFriendAddress(const ReferEntries& entries);
