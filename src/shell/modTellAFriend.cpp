#include "shell/modTellAFriend.h"

#include "platform/messagebox.h"
#include "shell/modHelp.h"
#include "shell/weblinks_urls.h"

namespace {
QString& Module(int which) {
    static QString strings[6];
    return strings[which];
}
}  // namespace

QString& strSenderName() { return Module(0); }
QString& strSenderEmail() { return Module(1); }
QString& strMessage() { return Module(2); }
QString& strFriendName() { return Module(3); }
QString& strFriendEmail() { return Module(4); }
QString& strReferUrl() { return Module(5); }

QString TrimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' ')) ++first;
    while (last > first && text[last - 1] == QLatin1Char(' ')) --last;
    return text.mid(first, last - first);
}

void TellAFriend() {
    struct Check {
        const QString& value;
        const QString& placeholder;
        const char* message;
    };
    const Check checks[] = {
        {strSenderName(), kNamePlaceholder, "Please Enter Your Name"},
        {strSenderEmail(), kEmailPlaceholder, "Please Enter Your Email"},
        {strMessage(), kMessagePlaceholder, "Please Enter Your Message"},
        {strFriendName(), kFriendNamePlaceholder, "Please Enter Your Friend's Name"},
        {strFriendEmail(), kFriendEmailPlaceholder, "Please Enter Your Friend's Email"},
    };
    for (const Check& check : checks) {
        const QString value = TrimBlanks(check.value);
        if (value.isEmpty() || value == check.placeholder) {
            platform::MsgBox(QString::fromUtf8(check.message), platform::MsgIcon::Critical);
            return;
        }
    }
    strReferUrl() = ReferAFriendAddress(
        {strSenderName(), strSenderEmail(), strMessage(), strFriendName(), strFriendEmail()});
    OpenWebAddress();
}
