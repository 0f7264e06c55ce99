#include "reading/Readings.h"
#include "reading/Readings_p.h"

#include <array>

using namespace Qt::StringLiterals;

namespace reading {

namespace {

// One paragraph per day of the month, first day first.
constexpr std::array<QStringView, 31> paragraphs{
    // 1
    u"People associated with 1 prefer their uniqueness. You like to lead rather than follow, and your "
    u"strong will helps you begin what others only dream of. In the middle years you gain authority at "
    u"work. In love, learn to share the stage.",
    // 2
    u"Generally people having number 2 love to keep peaceful relations. You are a natural diplomat who "
    u"senses the moods of others and knows how to calm a heated room. Partnerships suit you better than "
    u"solo ventures, and in the middle years a trusted partner often brings your greatest success. Try "
    u"not to give in too easily.",
    // 3
    u"People having 3, are very creative, social, charming, romantic, and tolerant. Words and colour come "
    u"easily to you, and friends gather wherever you are. Your gift is to lift spirits and turn ordinary "
    u"days into celebrations. Writing, design or entertainment rewards you, especially after forty. In "
    u"love you are generous, though you must learn to finish what you start.",
    // 4
    u"4s are known for their sensible nature. You build slowly and solidly, preferring a firm plan to a "
    u"lucky gamble, and people trust your word because you keep it. Order and routine give you peace. In "
    u"your middle years the foundations you laid early begin to pay off at work and at home. Try to stay "
    u"open to new ideas and change.",
    // 5
    u"People with number 5 as their birthday, are diehard adventurers. Travel, new faces and fresh "
    u"challenges keep you alive, and routine quickly bores you. You learn fast and adapt anywhere. In "
    u"relationships you need a partner who gives you room to roam freely.",
    // 6
    u"A happy and loving family association is important to you. You remember birthdays, cook for the "
    u"sick and settle quarrels at the table. Your sense of duty runs deep, and you find meaning in caring "
    u"for others. Teaching, healing or counselling suit you. In the middle years your home becomes a warm "
    u"refuge for many.",
    // 7
    u"You are technically sound and make grand researchers, uncovering hidden information. Your mind is "
    u"sharp and analytical, and you are rarely satisfied with surface answers. Quiet time alone recharges "
    u"you, and you may seem reserved to those who do not know you well. Science, technology or spiritual "
    u"study can all become your calling. Friends value your honest advice and deep loyalty.",
    // 8
    u"8s can solve almost all problems that come through your life. You have a practical head for money "
    u"and power, and you are at your best when managing large affairs. Success tends to arrive in the "
    u"middle years after steady effort. Remember to balance ambition with rest and affection.",
    // 9
    u"You are extremely charming, caring and entertaining by nature. Your heart is wide open to the "
    u"world, and you feel the troubles of strangers almost as your own. Art, drama and humanitarian work "
    u"draw you strongly. You give freely, sometimes too freely, so learn to protect your energy. Later in "
    u"life you often find that your kindness has come back to you many times over, in friends and in luck.",
    // 10
    u"You are ambitious, skilled and creative. Once you set your sights on a goal, you pursue it with "
    u"energy and original thinking, and you dislike being told how to do things. Independent work or a "
    u"business of your own suits you well. In the middle years you reach a position of respect. In love, "
    u"show your softer side more often.",
    // 11
    u"You make a perfect visionary. Your intuition is unusually strong, and you often sense what will "
    u"happen long before others see it. You are idealistic and sensitive, and you can inspire people with "
    u"your dreams of a better world. Nervous tension is your weak spot, so calm surroundings matter. "
    u"Spiritual, artistic or teaching careers bring you fulfilment, and a gentle partner grounds you.",
    // 12
    u"Your nature allows you to bounce back rapidly from setbacks, physical or mental. You have a bright, "
    u"expressive personality and a quick humour that wins people over. Ideas flow from you easily, and "
    u"you love to share them through talk, writing or performance. A sharp analytical side helps you "
    u"judge situations fairly. At times you scatter your energy over too many interests, so choose a few "
    u"goals and follow them through. The middle years bring recognition and a wider circle of friends. In "
    u"love you are affectionate and loyal.",
    // 13
    u" People with 13 in their pocket are very honest and self motivated.  You believe in hard work and "
    u"would rather earn a reward than receive a gift. Your patience makes you reliable in any team. "
    u"Stubbornness can be a stumbling block, so stay flexible. After forty, your efforts bring lasting "
    u"security.",
    // 14
    u"14s are immensely talented and versatile, very good at presentation skills. You thrive on variety "
    u"and learn new things with remarkable speed. Sales, media and public speaking are natural fields for "
    u"you, because you can make any subject sound exciting. You crave freedom and change, yet you do best "
    u"when you give your life some structure. Your middle years reward steady habits.",
    // 15
    u"You are homely by nature, in the sense you love your family and take great pride in looking after "
    u"them and in keeping a warm, welcoming home. Generous and responsible, you are often the one "
    u"relatives turn to for help or advice. You have an artistic eye and may enjoy decorating, gardening "
    u"or cooking for friends. Money tends to come to you when you need it. In the middle years you may "
    u"take on extra duties, which you handle gracefully. Do not forget your own needs while caring for "
    u"others.",
    // 16
    u"You must work hard to maintain relations. You are thoughtful, introspective and sometimes hard to "
    u"read, and you may keep your feelings hidden even from those closest to you. Your mind is deep and "
    u"searching, drawn to philosophy, writing and mystery. Sudden changes often shape your path, but each "
    u"one teaches you something valuable. Open your heart a little more, and the middle years will bring "
    u"you rich companionship.",
    // 17
    u"17s goal oriented personalities as you are honest and ethical. You have a fine business sense and a "
    u"talent for handling money, and you plan your moves with care. People respect your judgment and your "
    u"sense of fair play. You are independent and prefer to rely on your own efforts. Finance, law or "
    u"management can be rewarding fields. In the middle years your reputation grows steadily. Let loved "
    u"ones see your warmth, since you can appear distant.",
    // 18
    u"You can become the corporate leader, as you possess good executive abilities. You see the big "
    u"picture, organise people well and take charge in a crisis. You are also broad-minded and feel a "
    u"calling to improve the lives of others. Impatience and a sharp tongue are your main weaknesses. In "
    u"the middle years you may hold real influence. In love, tenderness wins more than orders do.",
    // 19
    u"Generally people with 19 are self-confident. You are independent, determined and eager to make your "
    u"own way, and you rarely wait for permission. Your energy and drive help you overcome obstacles that "
    u"would stop others. Early struggles only make you stronger. Business or any field where you lead "
    u"suits you. Learn to accept help and advice, and your relationships will flourish.",
    // 20
    u"You are emotional and sensitive in nature. You pick up on the feelings of others with ease and make "
    u"a caring friend and partner. Team work and supporting roles suit you well. In the middle years "
    u"harmony at home is your treasure. Try not to take criticism personally.",
    // 21
    u"You have easygoing nature but still there is restlessness in your nature. You are sociable, witty "
    u"and creative, and people enjoy your company at parties and gatherings. Your imagination is lively, "
    u"and you may express it through writing, music or design. Because you crave change, you sometimes "
    u"abandon projects halfway. A loving partner and a stable home help you find your balance. Success "
    u"grows in the middle years.",
    // 22
    u"You are a responsible person with a firm vision and work hard to reach your goals. You have the "
    u"rare ability to turn big dreams into practical plans, and you can build things that last. Others "
    u"rely on your sound judgment. Large projects in building, politics or business suit you. Take time "
    u"to relax and enjoy your family.",
    // 23
    u"You are extremely talented and versatile, very good at presentation skills. Curious and "
    u"quick-witted, you love to meet people and explore new places. You pick up languages and skills "
    u"easily and can talk your way into almost any opportunity. Boredom is your enemy, so choose work "
    u"that keeps you moving. Your friendships are many and lively.",
    // 24
    u"Born on the 24th, you have a better capacity be responsible and helping person. Loyal and devoted, "
    u"you put your family and loved ones first, and you are happiest when they are safe and content. You "
    u"have a good sense of balance and fairness. Careers in caring, teaching or design suit you. In the "
    u"middle years your home and relationships become your greatest strength.",
    // 25
    u"You have special interest in technical, scientific, or other complex and often mysterious subjects, "
    u"and you are never satisfied until you understand how things really work. Your intuition is strong, "
    u"and you often reach the right answer without knowing why. You are reserved at first, but loyal once "
    u"you trust someone. Research, engineering or the occult sciences could become your path. Patience "
    u"with yourself brings calm in the middle years.",
    // 26
    u"This number will increase your managerial qualities, which may help you in business world. You are "
    u"practical and well organised, with a good eye for value and a wish to provide for your loved ones. "
    u"You give sound advice and enjoy being useful. Do not let pride keep you from asking for help. "
    u"Family brings you deep joy.",
    // 27
    u"You are a social worker at heart and want to do something for the humankind. Compassion guides your "
    u"choices, and you are moved by injustice wherever you see it. You are also a thinker, with a wise "
    u"and often spiritual outlook. Teaching, healing and public service suit you. Your moods can swing, "
    u"so quiet reflection helps you stay steady. In the middle years your wisdom draws many who seek "
    u"guidance.",
    // 28
    u"This number adds extra energy and independence to your life. You are a bold starter with original "
    u"ideas and a strong will to succeed. You can lead teams well when you listen to others. Business "
    u"success often comes through your own ventures. In love, give as much as you expect to get.",
    // 29
    u"Optimism will be your best friend. You are deeply intuitive, with a sensitive heart and a vivid "
    u"imagination that often points you toward art, music or spiritual work. Your moods can rise and fall "
    u"quickly, and you may doubt yourself more than you should. When you trust your inner voice, you "
    u"inspire others greatly. Close friendships and a patient partner mean a lot to you. The middle years "
    u"bring you greater confidence.",
    // 30
    u"You are a good conversationalist, and can express yourself very well with words. Your cheerful "
    u"manner and wit make you popular, and you can turn a dull evening into a memorable one. Writing, "
    u"acting, teaching or sales can showcase your gifts. You have a rich imagination, but you must guard "
    u"against scattering your talents. When you focus, success follows. In the middle years you often "
    u"enjoy both recognition and happy friendships.",
    // 31
    u"This birthday suggests that you are a good coordinator and administrator, an organiser who can "
    u"bring people, time and resources together so that plans run smoothly. You are practical and "
    u"hardworking, and you value loyalty, order and clear rules. At the same time you have a creative "
    u"side and enjoy travel, holidays and new surroundings, which refresh your mind. You may struggle to "
    u"show your feelings, yet your devotion to those you love is steady and sincere. Avoid being too "
    u"rigid with yourself or others. The middle years bring a solid position and the reward of your "
    u"efforts."};

} // namespace

QString readingFor(int number)
{
    if (number < 1 || number > int(paragraphs.size()))
        return {};
    return paragraphs[std::size_t(number - 1)].toString();
}

namespace detail {

QStringList readingBlocks(int number)
{
    const QString gap = u"\r\n\r\n"_s;
    return {"Your Birthday Number is: "_L1 + QString::number(number) + gap,
            "This describes what may happen in your middle years. It also tells you about the various "
            "talents you possess."_L1
                + gap,
            readingFor(number) + gap, gap};
}

} // namespace detail

QString readingText(int number)
{
    return detail::readingBlocks(number).join(QString());
}

} // namespace reading
