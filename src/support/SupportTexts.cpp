#include "support/SupportTexts.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace support {

QString supportText(int index, QStringView host)
{
    static const QStringList texts{
        u"Velmora Softwares, such as this can be created and maintained only with your support. The best "
        u"way to support Quillmoor is to visit %1 regularly and take part in the discussions and other "
        u"activities on the board."_s,
        u"Please visit Quillmoor at %1 regularly and support it by joining its discussions and other "
        u"activities. Programs like this cannot be supported and maintained without your regular visits."_s,
        u"%1 is a free online discussion forum on Velmora, numerology and more. To help it develop and "
        u"maintain this software, please visit it regularly."_s,
        u"Quillmoor needs your help. Please visit %1 regularly and take part in its discussions and "
        u"activities, so that we can maintain the site and develop more Velmora Softwares for you."_s,
    };
    return texts.at(index).arg(host);
}

QString familyText()
{
    // The run of spaces makes the word wrap start the second paragraph on a line of its own.
    return u"If you have enjoyed this software you will surely be interested in our other Velmora Softwares. "
           u"What began as a single program has grown, thanks to loyal users around the globe, into the "
           u"world\u2019s largest collection of such programs, covering astrology, psychic, tarot, numerology and "
           u"occult subjects, with new titles added all the time."_s
        + QString(61, u' ')
        + u"All of our programs are simple, fun and informative, made for curious beginners and keen "
          u"experts alike. Why not try them today, explore what they reveal about you, and share the "
          u"experience with your friends and family? "_s;
}

} // namespace support
