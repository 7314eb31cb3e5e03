#pragma once
// The refer-a-friend form's copied entries, the address built from them, and its checks.
#include <QString>

// The entries as the form last copied them (trimmed), and the address last built.
QString& strSenderName();
QString& strSenderEmail();
QString& strMessage();
QString& strFriendName();
QString& strFriendEmail();
QString& strReferUrl();

// The placeholders the boxes show while empty.
inline const QString kNamePlaceholder = QStringLiteral("Your Name");
inline const QString kEmailPlaceholder = QStringLiteral("Your Email Address");
inline const QString kMessagePlaceholder = QStringLiteral("Your Message");
inline const QString kFriendNamePlaceholder = QStringLiteral("Friend's Name");
inline const QString kFriendEmailPlaceholder = QStringLiteral("Friend's Email Address");

// Removes blanks at both ends; other white space stays.
QString TrimBlanks(const QString& text);

// Refuses an unfilled entry with its message, or builds the address and opens it.
void TellAFriend();
