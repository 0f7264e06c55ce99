#include "reading/Readings.h"
#include "reading/Readings_p.h"

#include <array>

namespace reading {

namespace {

// One paragraph per day of the month, first day first.
constexpr std::array<const char *, 31> paragraphs{
    // 1
    "People associated with 1 prefer their uniqueness. You like to lead rather than follow, and your "
    "strong will helps you begin what others only dream of. In the middle years you gain authority at "
    "work. In love, learn to share the stage.",
    // 2
    "Generally people having number 2 love to keep peaceful relations. You are a natural diplomat who "
    "senses the moods of others and knows how to calm a heated room. Partnerships suit you better than "
    "solo ventures, and in the middle years a trusted partner often brings your greatest success. Try "
    "not to give in too easily.",
    // 3
    "People having 3, are very creative, social, charming, romantic, and tolerant. Words and colour come "
    "easily to you, and friends gather wherever you are. Your gift is to lift spirits and turn ordinary "
    "days into celebrations. Writing, design or entertainment rewards you, especially after forty. In "
    "love you are generous, though you must learn to finish what you start.",
    // 4
    "4s are known for their sensible nature. You build slowly and solidly, preferring a firm plan to a "
    "lucky gamble, and people trust your word because you keep it. Order and routine give you peace. In "
    "your middle years the foundations you laid early begin to pay off at work and at home. Try to stay "
    "open to new ideas and change.",
    // 5
    "People with number 5 as their birthday, are diehard adventurers. Travel, new faces and fresh "
    "challenges keep you alive, and routine quickly bores you. You learn fast and adapt anywhere. In "
    "relationships you need a partner who gives you room to roam freely.",
    // 6
    "A happy and loving family association is important to you. You remember birthdays, cook for the "
    "sick and settle quarrels at the table. Your sense of duty runs deep, and you find meaning in caring "
    "for others. Teaching, healing or counselling suit you. In the middle years your home becomes a warm "
    "refuge for many.",
    // 7
    "You are technically sound and make grand researchers, uncovering hidden information. Your mind is "
    "sharp and analytical, and you are rarely satisfied with surface answers. Quiet time alone recharges "
    "you, and you may seem reserved to those who do not know you well. Science, technology or spiritual "
    "study can all become your calling. Friends value your honest advice and deep loyalty.",
    // 8
    "8s can solve almost all problems that come through your life. You have a practical head for money "
    "and power, and you are at your best when managing large affairs. Success tends to arrive in the "
    "middle years after steady effort. Remember to balance ambition with rest and affection.",
    // 9
    "You are extremely charming, caring and entertaining by nature. Your heart is wide open to the "
    "world, and you feel the troubles of strangers almost as your own. Art, drama and humanitarian work "
    "draw you strongly. You give freely, sometimes too freely, so learn to protect your energy. Later in "
    "life you often find that your kindness has come back to you many times over, in friends and in luck.",
    // 10
    "You are ambitious, skilled and creative. Once you set your sights on a goal, you pursue it with "
    "energy and original thinking, and you dislike being told how to do things. Independent work or a "
    "business of your own suits you well. In the middle years you reach a position of respect. In love, "
    "show your softer side more often.",
    // 11
    "You make a perfect visionary. Your intuition is unusually strong, and you often sense what will "
    "happen long before others see it. You are idealistic and sensitive, and you can inspire people with "
    "your dreams of a better world. Nervous tension is your weak spot, so calm surroundings matter. "
    "Spiritual, artistic or teaching careers bring you fulfilment, and a gentle partner grounds you.",
    // 12
    "Your nature allows you to bounce back rapidly from setbacks, physical or mental. You have a bright, "
    "expressive personality and a quick humour that wins people over. Ideas flow from you easily, and "
    "you love to share them through talk, writing or performance. A sharp analytical side helps you "
    "judge situations fairly. At times you scatter your energy over too many interests, so choose a few "
    "goals and follow them through. The middle years bring recognition and a wider circle of friends. In "
    "love you are affectionate and loyal.",
    // 13
    " People with 13 in their pocket are very honest and self motivated.  You believe in hard work and "
    "would rather earn a reward than receive a gift. Your patience makes you reliable in any team. "
    "Stubbornness can be a stumbling block, so stay flexible. After forty, your efforts bring lasting "
    "security.",
    // 14
    "14s are immensely talented and versatile, very good at presentation skills. You thrive on variety "
    "and learn new things with remarkable speed. Sales, media and public speaking are natural fields for "
    "you, because you can make any subject sound exciting. You crave freedom and change, yet you do best "
    "when you give your life some structure. Your middle years reward steady habits.",
    // 15
    "You are homely by nature, in the sense you love your family and take great pride in looking after "
    "them and in keeping a warm, welcoming home. Generous and responsible, you are often the one "
    "relatives turn to for help or advice. You have an artistic eye and may enjoy decorating, gardening "
    "or cooking for friends. Money tends to come to you when you need it. In the middle years you may "
    "take on extra duties, which you handle gracefully. Do not forget your own needs while caring for "
    "others.",
    // 16
    "You must work hard to maintain relations. You are thoughtful, introspective and sometimes hard to "
    "read, and you may keep your feelings hidden even from those closest to you. Your mind is deep and "
    "searching, drawn to philosophy, writing and mystery. Sudden changes often shape your path, but each "
    "one teaches you something valuable. Open your heart a little more, and the middle years will bring "
    "you rich companionship.",
    // 17
    "17s goal oriented personalities as you are honest and ethical. You have a fine business sense and a "
    "talent for handling money, and you plan your moves with care. People respect your judgment and your "
    "sense of fair play. You are independent and prefer to rely on your own efforts. Finance, law or "
    "management can be rewarding fields. In the middle years your reputation grows steadily. Let loved "
    "ones see your warmth, since you can appear distant.",
    // 18
    "You can become the corporate leader, as you possess good executive abilities. You see the big "
    "picture, organise people well and take charge in a crisis. You are also broad-minded and feel a "
    "calling to improve the lives of others. Impatience and a sharp tongue are your main weaknesses. In "
    "the middle years you may hold real influence. In love, tenderness wins more than orders do.",
    // 19
    "Generally people with 19 are self-confident. You are independent, determined and eager to make your "
    "own way, and you rarely wait for permission. Your energy and drive help you overcome obstacles that "
    "would stop others. Early struggles only make you stronger. Business or any field where you lead "
    "suits you. Learn to accept help and advice, and your relationships will flourish.",
    // 20
    "You are emotional and sensitive in nature. You pick up on the feelings of others with ease and make "
    "a caring friend and partner. Team work and supporting roles suit you well. In the middle years "
    "harmony at home is your treasure. Try not to take criticism personally.",
    // 21
    "You have easygoing nature but still there is restlessness in your nature. You are sociable, witty "
    "and creative, and people enjoy your company at parties and gatherings. Your imagination is lively, "
    "and you may express it through writing, music or design. Because you crave change, you sometimes "
    "abandon projects halfway. A loving partner and a stable home help you find your balance. Success "
    "grows in the middle years.",
    // 22
    "You are a responsible person with a firm vision and work hard to reach your goals. You have the "
    "rare ability to turn big dreams into practical plans, and you can build things that last. Others "
    "rely on your sound judgment. Large projects in building, politics or business suit you. Take time "
    "to relax and enjoy your family.",
    // 23
    "You are extremely talented and versatile, very good at presentation skills. Curious and "
    "quick-witted, you love to meet people and explore new places. You pick up languages and skills "
    "easily and can talk your way into almost any opportunity. Boredom is your enemy, so choose work "
    "that keeps you moving. Your friendships are many and lively.",
    // 24
    "Born on the 24th, you have a better capacity be responsible and helping person. Loyal and devoted, "
    "you put your family and loved ones first, and you are happiest when they are safe and content. You "
    "have a good sense of balance and fairness. Careers in caring, teaching or design suit you. In the "
    "middle years your home and relationships become your greatest strength.",
    // 25
    "You have special interest in technical, scientific, or other complex and often mysterious subjects, "
    "and you are never satisfied until you understand how things really work. Your intuition is strong, "
    "and you often reach the right answer without knowing why. You are reserved at first, but loyal once "
    "you trust someone. Research, engineering or the occult sciences could become your path. Patience "
    "with yourself brings calm in the middle years.",
    // 26
    "This number will increase your managerial qualities, which may help you in business world. You are "
    "practical and well organised, with a good eye for value and a wish to provide for your loved ones. "
    "You give sound advice and enjoy being useful. Do not let pride keep you from asking for help. "
    "Family brings you deep joy.",
    // 27
    "You are a social worker at heart and want to do something for the humankind. Compassion guides your "
    "choices, and you are moved by injustice wherever you see it. You are also a thinker, with a wise "
    "and often spiritual outlook. Teaching, healing and public service suit you. Your moods can swing, "
    "so quiet reflection helps you stay steady. In the middle years your wisdom draws many who seek "
    "guidance.",
    // 28
    "This number adds extra energy and independence to your life. You are a bold starter with original "
    "ideas and a strong will to succeed. You can lead teams well when you listen to others. Business "
    "success often comes through your own ventures. In love, give as much as you expect to get.",
    // 29
    "Optimism will be your best friend. You are deeply intuitive, with a sensitive heart and a vivid "
    "imagination that often points you toward art, music or spiritual work. Your moods can rise and fall "
    "quickly, and you may doubt yourself more than you should. When you trust your inner voice, you "
    "inspire others greatly. Close friendships and a patient partner mean a lot to you. The middle years "
    "bring you greater confidence.",
    // 30
    "You are a good conversationalist, and can express yourself very well with words. Your cheerful "
    "manner and wit make you popular, and you can turn a dull evening into a memorable one. Writing, "
    "acting, teaching or sales can showcase your gifts. You have a rich imagination, but you must guard "
    "against scattering your talents. When you focus, success follows. In the middle years you often "
    "enjoy both recognition and happy friendships.",
    // 31
    "This birthday suggests that you are a good coordinator and administrator, an organiser who can "
    "bring people, time and resources together so that plans run smoothly. You are practical and "
    "hardworking, and you value loyalty, order and clear rules. At the same time you have a creative "
    "side and enjoy travel, holidays and new surroundings, which refresh your mind. You may struggle to "
    "show your feelings, yet your devotion to those you love is steady and sincere. Avoid being too "
    "rigid with yourself or others. The middle years bring a solid position and the reward of your "
    "efforts."};

} // namespace

QString readingFor(int number)
{
    if (number < 1 || number > int(paragraphs.size()))
        return {};
    return QString::fromLatin1(paragraphs[std::size_t(number - 1)]);
}

namespace detail {

QStringList readingBlocks(int number)
{
    const QString gap = QStringLiteral("\r\n\r\n");
    return {QLatin1String("Your Birthday Number is: ") + QString::number(number) + gap,
            QLatin1String("This describes what may happen in your middle years. It also tells you about the various "
                          "talents you possess.")
                + gap,
            readingFor(number) + gap, gap};
}

} // namespace detail

QString readingText(int number)
{
    return detail::readingBlocks(number).join(QString());
}

} // namespace reading
