#pragma once

#include <QString>
#include <QStringView>

namespace support {

// Prompts the referral boxes show as their own text until the user types.
inline constexpr char16_t namePrompt[] = u"Your Name";
inline constexpr char16_t emailPrompt[] = u"Your Email Address";
inline constexpr char16_t messagePrompt[] = u"Your Message";
inline constexpr char16_t friendNamePrompt[] = u"Friend's Name";
inline constexpr char16_t friendEmailPrompt[] = u"Friend's Email Address";

// Removes leading and trailing space characters only; tabs and line breaks stay.
QString trimSpaces(QStringView text);

// Whether a box entered with this text empties itself for typing.
bool clearsOnEntry(QStringView text, QStringView prompt);

// Whether a box left with this text gets its prompt back.
bool restoresPromptOnLeaving(QStringView text);

// The whole part of r x 4 in single precision: 0 to 3 for 0 <= r < 1.
int supportTextIndex(float r);

// The first fault of the two e-mail addresses, or an empty text when they pass.
QString emailProblem(QStringView email, QStringView friendEmail);

// A multi-line box's text with its line breaks as CR LF, the form the referral sends.
QString withCrLf(QString text);

} // namespace support
