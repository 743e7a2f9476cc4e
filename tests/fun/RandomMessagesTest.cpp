#include <gtest/gtest.h>

#include <map>
#include <random>

#include "fakes/ScriptedHost.h"
#include "fun/RandomMessages.h"

namespace {

using Dialog = ScriptedHost::Dialog;

Dialog Ok(std::u16string text, std::u16string title = u"ツブラ") {
  return {std::move(text), std::move(title), 1, u"Ok", u"", u""};
}
Dialog Ask(std::u16string text, std::u16string c0, std::u16string c1 = u"",
           std::u16string c2 = u"") {
  const int count = c2.empty() ? (c1.empty() ? 1 : 2) : 3;
  return {std::move(text), u"ツブラ", count, std::move(c0), std::move(c1), std::move(c2)};
}

struct EntryCase {
  int k;
  std::vector<int> answers;
  std::vector<double> laterRandoms;  // draws after the one that picks the entry
  std::vector<Dialog> expected;
};

class Catalogue : public ::testing::TestWithParam<EntryCase> {};

TEST_P(Catalogue, EachEntryShowsItsDialogsForEachAnswer) {
  const EntryCase& c = GetParam();
  ScriptedHost host;
  Game game(host);
  host.randoms = {(c.k - 1 + 0.5) / 19};
  host.randoms.insert(host.randoms.end(), c.laterRandoms.begin(), c.laterRandoms.end());
  host.answers.assign(c.answers.begin(), c.answers.end());
  ShowRandomMessage(game);
  EXPECT_EQ(host.dialogs, c.expected);
  EXPECT_TRUE(host.answers.empty());
  EXPECT_TRUE(host.randoms.empty());
}

const std::u16string kRight = u"正解！";
const std::u16string kWrong = u"違うよ";
const std::u16string kAlien =
    u"いきなり性格判断!!宇宙人が目の前に現れました。あなたはどうしますか？";
const std::u16string kIsland = u"心理テスト!!無人島に持っていくなら次のうちドレ？";
const std::u16string kBoss = u"あなたは中ボスになりたいですか？";
const std::u16string kBlood = u"あなた何がた？";
const std::u16string kStar = u"あなた何座？";

std::vector<EntryCase> Entries() {
  std::vector<EntryCase> cases{
      {1, {0, 0}, {}, {Ask(u"１＋１＝？", u"２"), Ok(kRight)}},
      {2,
       {0, 0},
       {},
       {Ask(u"（８２１－１７５）×（２０８／１３３）／（（８６１＋９８５）／（９６８－４７１））－１"
            u"３７＝？",
            u"１３５"),
        Ok(kRight)}},
      {3,
       {0, 0},
       {},
       {Ask(u"（（（４７＋２３×１１－９１）／（７６／９１×７７）×６０）＋４６×１２）／１７＝？",
            u"４４"),
        Ok(kWrong)}},
      {5,
       {0, 0},
       {},
       {Ask(u"メッセージは全部で３０種類!!全部見たかな？", u"はい", u"いいえ"),
        Ok(u"そんなにないよ。")}},
      {5,
       {1, 0},
       {},
       {Ask(u"メッセージは全部で３０種類!!全部見たかな？", u"はい", u"いいえ"), Ok(u"やっぱり。")}},
      {9, {0}, {}, {Ok(u"裏技その１:背景が適当のときに背景をクリックすると…")}},
      {10, {0}, {}, {Ok(u"裏技その３:背景が夜空のときに背景をクリックすると…")}},
      {11,
       {0},
       {},
       {Ok(u"メッセージのタイトルが｢ぽこたん｣になっているのがあるぞ!!探してみよう!!",
           u"ぽこたん")}},
      {12,
       {0},
       {},
       {Ok(u"メッセージのタイトルが｢アルマジロ｣になっているのがあるぞ!!探してみよう!!")}},
      {13,
       {0, 0},
       {},
       {Ask(u"｢ツブラ｣をやるときは部屋を明るくしてパソコンから離れておやり下さい。", u"ムリ",
            u"了承"),
        Ok(u"たしかに")}},
      {13,
       {1, 0},
       {},
       {Ask(u"｢ツブラ｣をやるときは部屋を明るくしてパソコンから離れておやり下さい。", u"ムリ",
            u"了承"),
        Ok(u"がんばれ")}},
      {14,
       {0},
       {},
       {Ok(u"｢ツブラ｣はノンフィクションですが人物名、団体名など実在のものとは一切関係ありません"
           u"。")}},
      {15, {0, 0}, {}, {Ask(u"１＋１＝？", u"３"), Ok(kWrong)}},
  };
  for (int answer = 0; answer < 3; ++answer) {
    cases.push_back(
        {4,
         {answer, 0},
         {},
         {Ask(u"７６×５１－４２×９＋３１×？＝７３１１", u"１２３", u"１３３", u"１１３"),
          Ok(answer == 0 ? kRight : kWrong)}});
    cases.push_back(
        {6,
         {answer % 2, 0},
         {},
         {Ask(u"このメッセージとてもレア!!確率なんと１０万分の１!!", u"うそ？", u"本当？"),
          Ok(u"うそ。", u"アルマジロ")}});
    // The blood type never matters; the second draw picks the fortune.
    const std::u16string fortunes[] = {u"明日は雨が降るよ。", u"昨日は占い１位だったよ。",
                                       u"嘘ついちゃダメだよ。"};
    cases.push_back({7,
                     {answer, 0},
                     {(2 - answer + 0.5) / 3},
                     {Ask(kBlood, u"Ａ型", u"Ｂ型", u"Ｃ型"), Ok(fortunes[2 - answer])}});
    const std::u16string lucky[] = {u"今日のラッキーパーソンはＯ型の人だよ。",
                                    u"今日のラッキーアイテムはダチョウの卵だよ。",
                                    u"今日のラッキーマクラは低反発枕だよ。"};
    if (answer < 2) {
      cases.push_back({8,
                       {answer, 0},
                       {(answer + 1.5) / 3},
                       {Ask(kStar, u"しし座", u"やぎ座", u"ほし座"), Ok(lucky[answer + 1])}});
    } else {
      cases.push_back(
          {8,
           {2, 0},
           {},
           {Ask(kStar, u"しし座", u"やぎ座", u"ほし座"), Ok(u"俺色に染まれ(意味不明)")}});
    }
    const std::u16string island[] = {
        u"何本でも繋げるコード…それはあなたの無分別さを表しています。慰謝料を払うことにならない様注"
        u"意しましょう。",
        u"割らないと使えないはし…それはあなたの孤独感を表しています。怪しい宗教に入って心を癒しまし"
        u"ょう。",
        u"絶対に有り得ない選択肢…それはあなたの奇想天外さを表しています。それをどういかすかが今後の"
        u"人生の鍵となりそうです。"};
    cases.push_back(
        {17,
         {answer, 0},
         {},
         {Ask(kIsland, u"たこ足コード", u"わりばし", u"東京ドーム"), Ok(island[answer])}});
    const std::u16string boss[] = {u"時給安いよ。", u"贅沢言ってるとプー太郎になるよ。",
                                   u"夢見てると路頭に迷うよ。"};
    cases.push_back({18,
                     {answer, 0},
                     {},
                     {Ask(kBoss, u"なりたい", u"なりたくない", u"大ボスなら"), Ok(boss[answer])}});
  }
  const Dialog alien = Ask(kAlien, u"あくしゅする", u"あいさつする", u"なぐる");
  const Dialog second[] = {
      Ask(u"しかし宇宙人には手とおぼしきものはないようだ。どうしますか？",
          u"どこでもいいからつかむ", u"近所の太郎君を呼ぶ"),
      Ask(u"相手にシカトされました。どうしますか？", u"警察に連れていく", u"カツ丼を食べさせる"),
      Ask(u"しかし攻撃ははずれた!!どうしますか？", u"かかとおとし", u"環境問題について語り合う")};
  const std::u16string results[3][2] = {
      {u"あなたは細かいことにはこだわらない人ですね。でもそれが相手に不快感を与えてるかもしれません"
       u"。気をつけましょう。",
       u"あなたは人に頼りがちですね(特に太郎君に)。もう少し自分の意見を持ちましょう。"},
      {u"あなたは怒ると何をするか分からない人ですね。たまに電柱に当たったりしていませんか？",
       u"あなたは早く物事を解決させたい人ですね。しかし他の人(宇宙人含む)"
       u"はそれについていけないようです。"},
      {u"あなたは同じ失敗を繰り返す人ですね。このままだと宇宙人を誰かに取られてしまいますよ。",
       u"あなたは物事に臨機応変に対応できる人ですね。でもいきなり人を殴るのはやめましょう。"}};
  for (int first = 0; first < 3; ++first) {
    for (int then = 0; then < 2; ++then) {
      cases.push_back({16, {first, then, 0}, {}, {alien, second[first], Ok(results[first][then])}});
    }
  }
  std::vector<Dialog> levelUp;
  for (const char16_t* step :
       {u"おめでとう!!レベルが上がりました。", u"ちからが３上がった!", u"かしこさが１上がった!",
        u"すばやさが２．２ノット上がった!", u"人生経験度は上がらなかった!",
        u"もうどうでもよくなってきた!", u"魔王が倒れた!"}) {
    levelUp.push_back(Ask(step, u"▼"));
  }
  levelUp.push_back(Ask(u"なんか世界に平和が訪れた!", u"おわり"));
  cases.push_back({19, std::vector<int>(8, 0), {}, levelUp});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryBranch, Catalogue, ::testing::ValuesIn(Entries()));

TEST(RandomMessages, EveryEntryIsEquallyLikely) {
  ScriptedHost host;
  Game game(host);
  std::mt19937 random(19);
  host.moreRandoms = [&] { return std::generate_canonical<double, 32>(random); };
  host.defaultAnswer = 0;
  std::map<std::u16string, int> shown;
  constexpr int kCalls = 19000;
  for (int i = 0; i < kCalls; ++i) {
    host.dialogs.clear();
    ShowRandomMessage(game);
    ++shown[host.dialogs.front().message + host.dialogs.front().caption0];
  }
  ASSERT_EQ(shown.size(), 19u);
  for (const auto& [entry, count] : shown) {
    EXPECT_NEAR(count, kCalls / 19, 150) << "an entry is drawn too seldom or too often";
  }
}

TEST(RandomMessages, OnlyTheTalkativeModeShowsThemButEveryModeDraws) {
  for (std::int16_t mode : {0, 1, 2, 3}) {
    ScriptedHost host;
    Game game(host);
    game.Settings.MessageMode = mode;
    host.randoms = {0.8};
    EXPECT_EQ(DrawRandomMessageChance(game), mode == kMessageJokes);
    EXPECT_TRUE(host.randoms.empty());
    host.randoms = {0.79};
    EXPECT_FALSE(DrawRandomMessageChance(game));
  }
}

}  // namespace
