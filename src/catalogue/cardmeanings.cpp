#include "catalogue/cardmeanings.h"

// Upright and reversed meaning of every card, indexed by card id.
// The reversed meanings of 11 and 20 are one text, and so are those of 26 and 27.

namespace {

constexpr const char* kHangedManWorldReversed =
    "You may feel dissatisfied with life. A feeling of disappointment depresses you. There is a lack of "
    "achievement that troubles you. Things may be delayed just when they are about to be completed. Try to "
    "overcome frustration and lead a normal life.";

constexpr const char* kThreesPentaclesSwordsReversed =
    "Skillful work is neglected at the cost of cutting costs. Quality of work may be low. Ambitions may be "
    "common place. You may not be sure of the path you have chosen. You may be suffering from low confidence "
    "and enthusiasm. The results are disappointing.";

}  // namespace

const CardMeaning kCardMeanings[78] = {
    // 0 Death
    {"This is the beginning of a new life. You have to start from scratch. You won't get anything easily. Do not give up hope nor wallow in self pity. Give up old habits that you don't like and start a new life. There may be a lot of changes in your life.",
     "The changes in your life may not be pleasant. You may not be ready to face them. This may leave you exhausted mentally as well as physically. This may be a period of stagnation. You may be lethargic and make excuses for your actions."},
    // 1 The Hermit
    {"You are being drawn inward, away from noise and crowds.  Time alone will help you hear your own counsel. Look for answers in quiet reflection rather than in the opinions of others. A wise guide or teacher may appear when you are ready to listen. Patience will light your way.",
     "You may have withdrawn so far that solitude has turned into loneliness. Shutting others out will not protect you from what you fear. You may be refusing advice that could help you. Step back into the world gently and let people in. Isolation is not the same as wisdom."},
    // 2 Judgement
    {"A moment of reckoning has arrived. You are called to look honestly at your past and rise above it. Forgive yourself and others, then answer the inner voice that urges you forward. This is a time of awakening and renewal. An important decision will set you free.",
     "You may be judging yourself far too harshly. Doubt keeps you from hearing a call that matters. Old regrets hold you back from a fresh start, and the same lessons keep returning because you ignore them. Be kinder to yourself and listen to what your conscience is telling you."},
    // 3 Justice
    {"Fairness and truth guide this period of your life. Your actions will be weighed and you will receive what you have earned. Legal matters or agreements may be settled in your favour if you have acted honestly. Think clearly and take responsibility for your choices.",
     "You may be facing an unfair outcome or a decision that goes against you.  Someone may not be telling the whole truth. You could also be avoiding responsibility for a mistake of your own. Dishonesty will only deepen the trouble. Own your part and set the record straight."},
    // 4 Strength
    {"You have more courage than you realise. Quiet patience will achieve what force cannot. Meet difficult people and wild feelings with compassion instead of anger. Your gentle self-control gives you real power over the situation. Trust yourself to endure and you will prevail.",
     "Self-doubt is eating away at your courage. Fear and insecurity weaken your resolve, and strong emotions could be getting the better of you. Do not let others push you around because you feel small. Reconnect with your inner strength; it has not left you, it is only waiting."},
    // 5 Temperance
    {"Balance and moderation bring you peace now.  Blend the different parts of your life with patience and care. Avoid extremes and let things unfold at their own pace. You are finding a calm middle path between opposing demands. Healing and harmony follow when you stay steady.",
     "Your life may be out of balance. You may be rushing, overdoing things or indulging far too much. Quarrels with others leave you drained and short of temper. Long-term goals are lost in short-term urges. Slow down and find the measure that truly suits you."},
    // 6 The Fool
    {"A fresh journey lies before you. Step forward with an open heart and a sense of wonder. You do not need every answer before you begin. Trust the moment and take a leap of faith. Spontaneity and innocence will carry you further than careful doubt ever could.",
     "Recklessness could lead you somewhere you will regret. You may be acting without a thought for the risks, and foolish choices now may cost you later. On the other hand, fear may be keeping you from taking any step at all. Look before you leap, but do leap when the time is right."},
    // 7 The Chariot
    {"Your willpower and determination will carry you to victory. Pull your opposing impulses together and drive them in one direction. Stay focused and disciplined and obstacles will give way. This is a time to take charge and move forward with confidence.",
     "You may feel that your life is pulling in different directions at once. Without a clear aim you lose control of events. Aggression or stubbornness can make matters worse. Obstacles seem to block every road. Stop, gather yourself and decide where you truly want to go."},
    // 8 The Devil
    {"You may feel bound by habits, desires or possessions that do not serve you. Temptation is strong and you may be giving your power away without noticing. Look honestly at what chains you. The chains are often looser than they seem. Facing your shadow side is the first step to freedom.",
     "You are beginning to break free from something that held you captive.  An unhealthy habit or relationship is losing its grip on you. You are reclaiming your independence and your self-respect. Stay watchful, since old patterns may try to creep back. Freedom is within your reach."},
    // 9 The Emperor
    {"Structure, order and authority are your strengths now. You can build something lasting with discipline and clear rules. A father figure or a person in power may offer support. Take the lead and make firm decisions. Stability comes from the foundations you lay today.",
     "Power may be misused, either by you or by someone placed over you. Rigid control and stubbornness create resistance wherever you turn. You may feel dominated, or else you lack discipline altogether. Let go of the need to control everything. True authority is earned through fairness."},
    // 10 The Empress
    {"Abundance and growth surround you.  This is a fertile time for ideas, relationships and family. Nurture yourself as well as those you love. Spend time in nature and enjoy the simple comforts of life. Your creativity flows freely and your efforts will bear fruit.",
     "You may be neglecting your own needs while caring for everyone else. Your creativity feels blocked and your days feel barren. You may lean too heavily on others or smother those close to you. Take time to rest and restore yourself. Growth will return when you care for yourself again."},
    // 11 The Hanged Man
    {"This is a time to pause and let go. Waiting may feel uncomfortable, but it brings you a new point of view. You may need to make a sacrifice for a greater good. Stop struggling against the current for a while. When you look at things from another angle, the answer becomes clear.",
     kHangedManWorldReversed},
    // 12 The Hierophant
    {"Tradition and established ways offer you guidance now. You may benefit from a teacher, a mentor or a respected institution. Shared beliefs and rituals bring you comfort. This is a good time to learn, to commit to a group or to follow proven methods. Respect the wisdom of those who came before you.",
     "You may feel restricted by rules and conventions.  You are ready to question old beliefs and think for yourself. Following the crowd no longer satisfies you. Do not rebel simply for the sake of rebelling. Find your own path while keeping what is valuable from the past."},
    // 13 The High Priestess
    {"Listen to your intuition; it knows more than you think. Hidden matters are slowly coming to light. Quiet your mind and pay attention to dreams and signs. Not everything needs to be spoken or acted upon yet. Trust the still inner voice that guides you.",
     "Your inner voice is going unheard. Secrets or hidden agendas could be at work around you. You may be paying too much attention to the surface of things. Confusion comes from losing touch with your instincts. Make time for silence and reconnect with what you feel."},
    // 14 The Lovers
    {"Love and harmony bless your relationships.  A deep bond brings you joy and a sense of union. You may face an important choice that reflects your values. Choose with your heart as well as your head. Being true to yourself will bring you closer to others.",
     "Harmony may be missing in your relationships. You and a partner may want different things from life. Poor choices or temptation could lead you astray. You may be out of touch with your own values. Be honest about what you want and take responsibility for your decisions."},
    // 15 The Magician
    {"You have all the tools you need to succeed. Your skill, will and resourcefulness can turn ideas into reality. Focus your energy and act with purpose. This is the right time to begin a project that matters to you. Believe in your abilities and make things happen.",
     "Your talents may be going unused. You may be scattering your energy or lacking a clear plan. Watch out for someone who uses trickery to get their way. You could also be tempted to manipulate others for your own ends. Use your gifts honestly and with purpose."},
    // 16 The Moon
    {"Things may not be what they seem. Fear and anxiety can distort your view, and the way ahead looks uncertain. Pay attention to your dreams and your intuition, for they hold clues. Move carefully and wait until the fog lifts before you make big decisions.",
     "Confusion is beginning to clear.  Fears that troubled you are losing their hold. The truth behind a deception may come to light at last. You are learning to trust yourself again. Face what frightened you and you will find it smaller than you thought."},
    // 17 The Star
    {"Hope returns after a difficult time. You feel calm, renewed and inspired. Your faith in the future is well placed. Healing is taking place in body and spirit alike. Share your light generously and trust that life is supporting you.",
     "You may have lost faith in yourself or in the future. Discouragement makes it hard to see any way forward. You may feel cut off from what once inspired you. Look for small sources of hope in your everyday life. Your light has dimmed, but it has not gone out."},
    // 18 The Sun
    {"Joy and success shine upon you. This is a time of warmth, vitality and good fortune. Your confidence is high and others are drawn to your cheerful spirit. Celebrations and happy events are likely. Enjoy the moment and let your optimism light the way for others.",
     "Your happiness may be clouded for a while. You may feel less enthusiastic than usual, or find that success is delayed. Too much optimism could also blind you to real problems. The sun is still there behind the clouds. Keep your spirits up and your joy will return."},
    // 19 The Tower
    {"A sudden upheaval may shake your life.  Structures built on false ground are coming down. The change may be shocking, yet it clears the way for truth. Do not cling to what is falling apart. After the storm you can build again on firmer foundations.",
     "A change that must come is being held at bay. Holding on only delays the inevitable. Perhaps you have narrowly escaped a disaster. Deep inner change is taking place even if nothing shows outside. Let go willingly rather than wait to be forced."},
    // 20 The World
    {"You have come to the end of an important cycle. Your efforts are rewarded with completion and fulfilment. You feel whole and at peace with yourself. Travel or wider horizons may open before you. Celebrate what you have achieved before the next journey begins.",
     kHangedManWorldReversed},
    // 21 Wheel Fortune
    {"The wheel is turning in your favour. Luck and opportunity arrive when you least expect them. A turning point in your life is at hand. Change is part of the natural cycle, so go with it rather than against it. What goes around comes around; act with kindness.",
     "Luck may seem to have deserted you for now.  Setbacks arrive that you did not foresee. Resisting change will only make things harder. You may be repeating an old pattern without realising it. Accept the turn of the wheel and look for the lesson it carries."},
    // 22 Two of Cups
    {"A meaningful partnership is forming. Mutual attraction and respect draw you close to someone. This may be a romance, a friendship or a business alliance. Give and receive in equal measure. Harmony grows when both hearts are open and honest.",
     "A relationship may be out of balance. Misunderstandings or tension come between you and someone close. One of you may be giving far more than the other. A partnership could be breaking apart. Speak honestly and see whether the bond can be mended."},
    // 23 Two of Swords
    {"You face a difficult choice and may be avoiding it.  You have closed your eyes to protect yourself from the pain of deciding. A stalemate cannot last for ever. Weigh both sides calmly and listen to your heart as well as your mind. Only a decision will bring you peace.",
     "You may feel torn and overwhelmed by too much information. Indecision is wearing you down day after day. Hidden facts may suddenly come to light and change the picture. You cannot sit on the fence much longer. Choose the lesser evil if you must, but make a choice."},
    // 24 Two of Wands
    {"You are looking ahead and planning your future. The world is wider than your present surroundings, and you can feel its pull. Bold decisions and new discoveries await you. You may be considering travel or a new venture. Step out of your comfort zone with confidence.",
     "Fear of the unknown may keep you where you are. You may be playing it far too safe. Poor planning could spoil a good opportunity, and hesitation lets chances slip away. Decide what you really want, then make a plan to reach it."},
    // 25 Three of Cups
    {"This is a time of celebration and friendship. Gatherings, reunions and happy news bring you joy. Share your good fortune with those close to you. Support from your friends and community lifts your spirits. Enjoy the laughter and the good company.",
     "Too much partying or indulgence may leave you feeling empty.  Gossip or a third person may come between you and a friend. You may feel left out of a group you care about. Be careful whom you confide in. Some time on your own may restore your balance."},
    // 26 Three of Pentacles
    {"Working with others brings good results. Your skills are noticed and appreciated by the people who matter. Teamwork and careful planning help a project succeed. You may be learning a craft or building something step by step. Listen to the ideas of others and share your own.",
     kThreesPentaclesSwordsReversed},
    // 27 Three of Swords
    {"You may be going through heartbreak or deep sorrow. Words or actions have hurt you. Grief and disappointment weigh on your heart. Allow yourself to feel the pain rather than hide it. Tears can wash the wound clean, and healing will follow in time.",
     kThreesPentaclesSwordsReversed},
    // 28 Three of Wands
    {"Your plans are beginning to bear fruit.  You can see far ahead and new horizons open up before you. Opportunities may come from abroad or from distant places. Expansion and progress reward your foresight. Keep your eyes on the future and be ready to act.",
     "Delays and obstacles may frustrate your plans. Things you were expecting have not arrived. You may not have looked far enough ahead, and disappointment could tempt you to give up. Review your plans, be patient and prepare for what lies beyond the horizon."},
    // 29 Four of Cups
    {"You may feel bored or dissatisfied with what you have. Apathy makes you turn away from offers around you. You are spending time in quiet contemplation. Be careful not to miss an opportunity because you are looking inward. Open your eyes to what is being offered.",
     "You are coming out of a period of withdrawal. A new opportunity catches your interest. Your motivation is returning and you are ready to engage with the world again. You accept what has been and look ahead. Say yes to what life holds out to you."},
    // 30 Four of Pentacles
    {"You are holding on tightly to what you own. Saving money and building security matter a great deal to you. Caution protects your resources, but it can also make you rigid. Do not let fear of loss stop you from enjoying life. Stability is good as long as it does not turn into possessiveness.",
     "You may be clinging too hard to money or possessions.  Greed or fear of loss could spoil your relationships. On the other hand, you may be spending without care. Your finances may feel insecure and unsettled. Learn when to hold on and when to let go."},
    // 31 Four of Swords
    {"You need rest and time to recover. Step away from the struggle and let your mind grow quiet. Meditation or a short retreat would do you good. Restore your strength before facing the next challenge. Peace of mind is within reach if you allow it.",
     "Rest eludes you, and you cannot seem to relax. Exhaustion or burnout is close if you keep going this way. You may be ignoring your body's plea for rest. Stagnation can also set in if you withdraw for too long. Find a healthy rhythm between work and recovery."},
    // 32 Four of Wands
    {"Joy and harmony surround your home. This is a time to celebrate a milestone, a homecoming or a happy union. Family and friends gather around you in good spirits. You feel settled and secure. Enjoy the stability you have built together.",
     "Your home life may be unsettled. You may feel a lack of support from family or friends. A celebration could be postponed or spoiled. Tension or sudden change unsettles your sense of belonging. Remember that a home is built by the people you love, not by walls."},
    // 33 Five of Cups
    {"You are grieving a loss or a disappointment.  Regret makes you dwell on what has gone wrong. Yet not everything is lost; something of value still remains. Turn around and see what you still have. Allow yourself to mourn, then look forward again.",
     "You are learning to accept a loss and move on. Forgiveness, of yourself and of others, lightens your heart. The past no longer holds you back as it did. You are ready to see the good that remains. Hope is returning, slowly but surely."},
    // 34 Five of Pentacles
    {"You may be going through a time of hardship or worry about money. You could feel left out in the cold. Health or finances may be a concern. Help is closer than you think if you are willing to ask for it. Do not let pride keep you isolated.",
     "The worst of a difficult time is behind you. Your finances or health are slowly improving. You are finding support where you did not expect it, and you are learning to accept help. Things are getting better step by step."},
    // 35 Five of Swords
    {"Conflict and tension may surround you. Someone may be determined to win at any cost, and it may even be you. Victory gained this way feels hollow and leaves bitterness behind. Ask yourself whether the fight is worth it. Sometimes walking away is the wiser choice.",
     "You are ready to put an old quarrel behind you.  Making amends may be possible now. Lingering resentment still needs to be released, though. Admit where you were wrong and offer peace. Reconciliation will bring you more than winning ever could."},
    // 36 Five of Wands
    {"Rivalry and petty disagreements fill your days. Everyone seems to pull in a different direction. Competition can sharpen your skills if you stay fair. Listen to different views before you act. Out of this struggle something new can emerge.",
     "You may be avoiding conflict at all costs. Tensions that have built up are beginning to ease, and an agreement may be found after a long struggle. Inner conflict could also be troubling you. Look for common ground and keep the peace without giving yourself away."},
    // 37 Six of Cups
    {"Happy memories of the past bring you comfort. You may meet an old friend or revisit a place from your childhood. Innocence and kindness shape your relationships now. Simple pleasures and small gifts bring joy. Let the past remind you of what truly matters.",
     "Nostalgia has a firm hold on you. Memories can look sweeter than they really were. Clinging to old times keeps you from growing. It is time to move forward and make new memories. Leave behind what no longer fits the person you have become."},
    // 38 Six of Pentacles
    {"Generosity flows through your life.  You may be giving to others or receiving help just when you need it. Sharing your resources brings balance and goodwill. Be fair in what you give and gracious in what you take. Kindness will return to you.",
     "Giving and receiving may be out of balance. Help may come with strings attached. You could be sinking into debt or being taken advantage of. Someone may be using their wealth to gain power over you. Be wary of charity that is not offered freely."},
    // 39 Six of Swords
    {"You are leaving troubled waters behind. A move or a change of situation brings relief. The journey may be quiet and a little sad, yet it leads to calmer places. Healing comes as you let go of the past. Easier days lie ahead of you.",
     "Part of you resists a change you know is needed. Unfinished business keeps pulling you back. You may feel stuck in a situation you long to leave. Carrying old baggage makes the journey heavy. Deal with what remains so that you can move on."},
    // 40 Six of Wands
    {"Victory and recognition are yours. Your hard work is being praised in public. You feel confident and proud of what you have achieved. Others look to you as a leader and follow your example. Enjoy the success, but stay humble.",
     "Your achievements may go unnoticed.  You may feel let down by a lack of recognition. Pride could lead to a fall if you become arrogant. Self-doubt can also hold you back. Success that depends on applause is fragile; learn to value your own judgement."},
    // 41 Seven of Cups
    {"Many choices lie before you, but not all of them are what they seem. Daydreams and wishful thinking may cloud your judgement. Some options are only illusions. Look closely at each possibility. Decide what is real before you commit yourself.",
     "The fog of illusion is lifting. You see your options more clearly and know what you want. It is time to make a decision and act on it. Fantasy gives way to realistic plans. Your choices are at last in line with your values."},
    // 42 Seven of Pentacles
    {"You have worked hard and now you are waiting for results. Take a moment to assess your progress. Patience is needed; good things take time to grow. Consider whether your efforts are well invested. Long-term thinking will serve you well.",
     "You may feel that your hard work is not paying off. Impatience tempts you to give up too soon. You could be investing energy in the wrong place. Look honestly at where your efforts go. Change your approach if the results keep failing to come."},
    // 43 Seven of Swords
    {"Someone may be acting behind your back.  Deception or stealth could be at play. You may also be tempted to take a shortcut or dodge the truth. A clever plan can work, but dishonesty has its price. Stay alert and protect what is yours.",
     "A secret may be coming out. You may feel the need to confess and come clean, as your conscience is troubling you. Someone who deceived you may be exposed. Honesty now will spare you greater trouble later."},
    // 44 Seven of Wands
    {"You are standing your ground against opposition. Others may challenge your position, but you hold the higher ground. Keep defending what you believe in. Courage and persistence will see you through. Do not back down now.",
     "Constant challenges are wearing you down. Defending yourself has left you tired and worn. You may be tempted to give up the fight altogether. Choose your battles carefully. Some fights are not worth the energy they take."},
    // 45 Eight of Cups
    {"You may be walking away from something that no longer fulfils you. Disappointment leads you to search for deeper meaning. Leaving is hard, but staying would be harder. Trust that you are seeking something better. Your journey takes you towards a truer life.",
     "You may be afraid to leave a situation that makes you unhappy.  You drift without purpose or keep returning to what you meant to leave. Fear of being alone holds you back. Ask yourself what you are really searching for. Then decide whether to stay with your whole heart or to go."},
    // 46 Eight of Pentacles
    {"Hard work and dedication are shaping your skills. You are learning a trade or mastering your craft. Attention to detail brings results of real quality. Patient repetition builds expertise. Keep going; your effort will be rewarded.",
     "Nothing you make ever seems good enough to you. Or perhaps you are cutting corners and losing focus. Your work may feel dull and repetitive. Effort spent in the wrong direction brings little reward. Find the purpose behind your work again."},
    // 47 Eight of Swords
    {"You may feel trapped with no way out. Many of the limits you feel exist only in your own mind. Fear and negative thinking keep you standing still. Take off the blindfold and look around. You are freer than you believe.",
     "You are starting to free yourself from restrictions. A new way of seeing things releases you from fear. You accept yourself and your situation more easily. The ties that bound you are loosening. Step forward into your new freedom."},
    // 48 Eight of Wands
    {"Events are moving quickly.  News or messages may arrive all of a sudden. Swift action brings progress. Travel or rapid change could be in store for you. Go with the flow and act while the energy is high.",
     "Delays and frustration slow you down. Plans may be put on hold or go astray. Acting in haste could make things worse. Be patient and wait for the right moment. Energy that has been scattered needs to be focused again."},
    // 49 Nine of Cups
    {"This is the wish card; your hopes may come true. You feel contented and satisfied with life. Comfort and pleasure surround you. Take time to be grateful for what you have. Enjoy your success and share it with others.",
     "You may have what you wished for and still feel unsatisfied. Material comfort does not bring inner happiness. Smugness or overindulgence could spoil your joy. Look inward for what is truly missing. Your wishes may need to change."},
    // 50 Nine of Pentacles
    {"You have worked hard and can now enjoy the rewards. Independence and financial security are yours. Comfort and refinement surround you. You are self-reliant and confident in your choices. Take pleasure in what you have built by your own effort.",
     "Overwork leaves you little time to enjoy life.  Financial setbacks could shake your sense of security. You may depend on others more than you would like. Fine appearances may hide real troubles. Build your independence on firmer ground."},
    // 51 Nine of Swords
    {"Worry and anxiety may keep you awake at night. Fears grow larger in the dark than they truly are. You may feel overwhelmed by guilt or regret. Share your troubles with someone you trust. Things are rarely as bad as your mind suggests.",
     "Your despair is beginning to lift. You are learning to face your fears instead of running from them. Reaching out for help brings relief. Some hidden worries may still need your attention. The night is ending and a new day is near."},
    // 52 Nine of Wands
    {"You have been through many struggles and are still standing. Although you feel weary, you are close to the finish. Stay resilient and guard your boundaries. One last effort will see you through. Your persistence is your strength.",
     "Exhaustion tempts you to lay down your defences and give up. Constant struggle has made you defensive and suspicious. You may see enemies where there are none. Rest and accept support before you break down. You do not have to fight every battle alone."},
    // 53 Ten of Cups
    {"Happiness and harmony fill your home.  Family life brings you deep emotional fulfilment. Love and peace surround you. You feel that your dreams have come true. Cherish the people who share your joy.",
     "Harmony at home may be broken. Family members may disagree or drift apart. Your picture of happiness may not match the reality. Values may differ between you and those you love. Work on open communication to restore closeness."},
    // 54 Ten of Pentacles
    {"Wealth and security are built to last. Family ties and traditions support you. You may receive an inheritance or benefit from long-term planning. Your success will also help future generations. This is a time of lasting prosperity.",
     "Family disputes over money or property may arise. Financial security could be at risk. An inheritance or a legacy may bring trouble instead of comfort. Old traditions may weigh you down. Protect what you have and make careful plans."},
    // 55 Ten of Swords
    {"You may feel that you have hit rock bottom. A painful ending or a betrayal has hurt you deeply. This is the end of a difficult chapter. Things cannot get much worse from here. Dawn will come and you will rise again.",
     "You are beginning to recover from a painful time. The worst is over and healing has begun. You may still be resisting an ending that has already happened. Let go of the past and start rebuilding. Your strength will return."},
    // 56 Ten of Wands
    {"You are carrying a heavy load. Too many responsibilities weigh on your shoulders. Hard work has brought success, but also stress. You may be taking on more than you can handle. Consider what you could set down or share.",
     "Your burdens have grown so heavy that you are close to collapse. It is time to delegate and release some duties. Saying no will not make you a failure. You are learning to let go of what is not yours to carry. A lighter load will renew your energy."},
    // 57 Ace of Cups
    {"A new beginning in love or feeling is at hand. Your heart is open and full. Compassion and creativity flow through you. A new relationship or a deepening of feelings may arrive. Let your emotions guide you gently.",
     "Your feelings may be blocked or held back. You may feel empty or unloved. A relationship could end or fail to begin. Sadness makes it hard to open your heart to anyone. Take care of your own emotional needs first."},
    // 58 Ace of Pentacles
    {"A new opportunity for wealth or prosperity appears.  A job offer, an investment or a gift may come your way. This is a good time to start a practical project. Your efforts now can grow into lasting security. Seize the chance while it is offered.",
     "An opportunity may slip through your fingers. Poor planning could waste your resources. You may already have missed a chance to improve your finances. Think carefully before you invest. Do not let greed or haste lead you astray."},
    // 59 Ace of Swords
    {"A breakthrough brings clarity to your mind. The truth becomes plain and confusion falls away. New ideas give you the power to act. Speak your mind with honesty and courage. Clear thinking will cut through any obstacle.",
     "Your thinking may be clouded or confused. Misinformation could lead you to wrong conclusions. Harsh words may cause more harm than good. You may lack a clear idea of what to do. Wait until your mind is clear before you decide."},
    // 60 Ace of Wands
    {"A spark of inspiration fires your imagination. A new venture or creative project is ready to begin. You feel energetic and full of potential. Act on your enthusiasm now. This is the seed of future growth.",
     "Your plans may be delayed or fail to take off. You may lack motivation or direction. A false start could leave you frustrated, and your creative energy feels blocked. Find what truly inspires you before you begin again."},
    // 61 King of Cups
    {"You are able to keep calm even in emotional storms. Your wisdom and compassion help others. You balance heart and head with grace. A kind and understanding person may offer you support. Diplomacy will serve you well.",
     "You may be struggling with moods you cannot control.  Feelings could be used to manipulate, or hidden behind coldness. Someone may seem caring but act selfishly. Do not let your feelings overrule your judgement. Seek emotional balance before you act."},
    // 62 King of Pentacles
    {"Wealth and security are within your grasp. You have the discipline to manage money and business well. Your steady leadership brings stability to others. You enjoy the good things you have earned. A generous and reliable person may help you.",
     "Greed or stubbornness may affect your decisions. You may be valuing money over people. Poor financial choices could threaten your security. Someone in power may be corrupt or controlling. Keep your ambitions in balance with your values."},
    // 63 King of Swords
    {"Clear thinking and fair judgement are your strengths. You rely on logic and truth rather than on feelings. You can take charge with authority and integrity. An expert or adviser may offer wise counsel. Make your decisions with your head.",
     "Authority can turn cold and cruel in the wrong hands. You may meet someone who manipulates with clever words. Your own judgement could be harsh or unfair. Intellect without compassion turns into tyranny. Use your mind to help rather than to hurt."},
    // 64 King of Wands
    {"You are a natural leader with vision and drive. Others are inspired by your energy. Bold decisions and big plans come easily to you. Take charge of your future with confidence. Honour and courage guide your actions.",
     "Impulsive and overbearing behaviour may be costing you support. High expectations of others could lead to conflict. Arrogance may drive away those around you. Leadership needs patience as well as boldness. Think before you make demands."},
    // 65 Knight of Cups
    {"Romance and charm are in the air. An offer or an invitation may arrive. You follow your heart and your imagination. A sensitive and idealistic person may enter your life. Let creativity and love lead the way.",
     "Moods and unrealistic expectations may lead to disappointment. A promise may not be kept. Jealousy or sulking could spoil a relationship. You may be daydreaming instead of acting. Keep your feet on the ground."},
    // 66 Knight of Pentacles
    {"Steady effort and reliability bring results.  You work patiently and methodically towards your goals. Routine may seem dull, but it gets the job done. You can be trusted to finish what you start. Slow progress is still progress.",
     "A dull routine seems to have swallowed your days. Laziness or stubbornness may slow your progress. Perfectionism could stop you from ever finishing. You may be too cautious to take any risk. Shake things up a little and move forward."},
    // 67 Knight of Swords
    {"You are charging ahead with ambition and determination. Quick thinking helps you move fast. You are driven to reach your goals. Be careful not to rush past important details. Act boldly, but keep thinking as you go.",
     "Restless energy keeps you from focusing on anything. Rushing ahead without a plan leads to mistakes. Harsh or hasty words could hurt someone. You risk burning yourself out. Slow down and think before you speak or act."},
    // 68 Knight of Wands
    {"Energy and passion drive you forward. Adventure and travel may call to you. You act quickly and with enthusiasm. Your confidence is contagious. Follow your passion, but keep an eye on the road ahead.",
     "Haste is scattering your energy in all directions. Plans could be delayed by impulsive choices. Frustration makes you restless and short-tempered. A reckless decision could cause trouble. Channel your enthusiasm into one clear aim."},
    // 69 Page of Cups
    {"A message of love or a creative idea may arrive. Your intuition is strong and your heart is curious. Be open to new feelings and experiences. A young or gentle person may bring happy news. Let your imagination play.",
     "Childish reactions or oversensitivity may get in your way. Creative ideas may feel blocked. Escaping into fantasy will not solve your problems. Disappointing news could arrive. Listen to your feelings without letting them rule you."},
    // 70 Page of Pentacles
    {"A new opportunity to learn or to earn is before you. You are eager to study and develop your skills. Practical plans can grow into real achievements. Stay focused and diligent. Small steps now build a solid future.",
     "Important tasks keep being put off until tomorrow. A lack of progress leaves you frustrated. A chance to learn something valuable may be missed. You could be dreaming without doing. Learn from failure and start again."},
    // 71 Page of Swords
    {"Curiosity and a thirst for knowledge drive you. New ideas excite you and you want to share them. Stay alert and keep your eyes open. Speak honestly and ask plenty of questions. Your quick mind is a gift.",
     "Gossip or careless words may cause trouble.  You may talk a great deal without taking action. Hasty decisions could lead you astray. Someone may be spying on you or spreading rumours. Think before you speak."},
    // 72 Page of Wands
    {"Enthusiasm and curiosity lead you to explore. Exciting news may arrive. You are ready to discover something new. A free spirit may bring fresh energy into your life. Follow your inspiration wherever it leads.",
     "Setbacks may dampen your enthusiasm. You may lack direction or keep putting things off. Bad news could arrive unexpectedly. Ideas that seemed exciting may fall flat. Find a clear goal before you begin."},
    // 73 Queen of Cups
    {"Compassion and calm flow from you. You care deeply for others and trust your intuition. Your emotional wisdom brings comfort to those around you. A caring person may offer support. Listen to your heart.",
     "You may give so much that you neglect yourself. Insecurity or dependence could affect your relationships. Your emotions may overwhelm you. You may feel like a martyr. Care for yourself as well as for others."},
    // 74 Queen of Pentacles
    {"You are nurturing, practical and generous. You create a warm and comfortable home. You manage both work and family with skill. Security comes from your sensible choices. Share your abundance with those you love.",
     "Looking after everyone else has left you worn out and neglected. Work and home may be out of balance. You could be smothering those close to you. Financial worries may cause stress. Find time for your own needs."},
    // 75 Queen of Swords
    {"You see clearly and speak the truth.  Independence and sharp judgement are your strengths. You set clear boundaries and keep them. Past experiences have made you wise. Communicate directly and fairly.",
     "Bitterness may have made you cold and overly critical. Harsh words could hurt those around you. Emotions may cloud your judgement. Past pain may make you shut others out. Soften your words and open your heart."},
    // 76 Queen of Wands
    {"Courage and confidence shine through you. You are warm, lively and determined. Others are drawn to your energy. You can take on many tasks with ease. Believe in yourself and lead with passion.",
     "Jealousy or insecurity may trouble you. You may be demanding or selfish with others. Your confidence may be shaken. Too many demands could leave you burned out. Take time to rebuild your belief in yourself."},
    // 77 Two of Pentacles
    {"There is a need for maintaining a good budget and taking care of finances. You may be good at handling multiple tasks. This is the beginning of a new venture where a lot of effort is required. You need to be flexible and highly energetic. This is a symbol of fun and good times.",
     "You may not be able to handle multiple matters. You may spend beyond your means as there is no proper planning. You need to recognize the signs indicating trouble. You may reckless and rash. Projects may not be completed."},
};
