#include "fun/RandomMessages.h"

#include <array>
#include <string_view>

namespace {

using Text = std::u16string_view;
constexpr Text kTitle = u"ツブラ";

int Ask(Game& game, Text message, int count, Text c0, Text c1 = u"", Text c2 = u"",
        Text title = kTitle) {
  return game.host.ShowMessage(message, title, count, c0, c1, c2);
}

void Tell(Game& game, Text message, Text title = kTitle) {
  Ask(game, message, 1, u"Ok", u"", u"", title);
}

int Draw(Game& game, int m) {
  return static_cast<int>(game.host.NextRandom() * m) + 1;
}

void Fortune(Game& game, const std::array<Text, 3>& fortunes) {
  Tell(game, fortunes[static_cast<std::size_t>(Draw(game, 3) - 1)]);
}

void PersonalityTest(Game& game) {
  struct Branch {
    Text question, answer0, answer1, result0, result1;
  };
  static constexpr std::array<Branch, 3> kBranches{{
      {u"しかし宇宙人には手とおぼしきものはないようだ。どうしますか？", u"どこでもいいからつかむ",
       u"近所の太郎君を呼ぶ",
       u"あなたは細かいことにはこだわらない人ですね。でもそれが相手に不快感を与えてるかもしれません"
       u"。気をつけましょう。",
       u"あなたは人に頼りがちですね(特に太郎君に)。もう少し自分の意見を持ちましょう。"},
      {u"相手にシカトされました。どうしますか？", u"警察に連れていく", u"カツ丼を食べさせる",
       u"あなたは怒ると何をするか分からない人ですね。たまに電柱に当たったりしていませんか？",
       u"あなたは早く物事を解決させたい人ですね。しかし他の人(宇宙人含む)"
       u"はそれについていけないようです。"},
      {u"しかし攻撃ははずれた!!どうしますか？", u"かかとおとし", u"環境問題について語り合う",
       u"あなたは同じ失敗を繰り返す人ですね。このままだと宇宙人を誰かに取られてしまいますよ。",
       u"あなたは物事に臨機応変に対応できる人ですね。でもいきなり人を殴るのはやめましょう。"},
  }};
  const int first =
      Ask(game, u"いきなり性格判断!!宇宙人が目の前に現れました。あなたはどうしますか？", 3,
          u"あくしゅする", u"あいさつする", u"なぐる");
  const Branch& b = kBranches[static_cast<std::size_t>(first) % kBranches.size()];
  Tell(game, Ask(game, b.question, 2, b.answer0, b.answer1) == 0 ? b.result0 : b.result1);
}

void LevelUp(Game& game) {
  static constexpr std::array<Text, 8> kSteps{u"おめでとう!!レベルが上がりました。",
                                              u"ちからが３上がった!",
                                              u"かしこさが１上がった!",
                                              u"すばやさが２．２ノット上がった!",
                                              u"人生経験度は上がらなかった!",
                                              u"もうどうでもよくなってきた!",
                                              u"魔王が倒れた!",
                                              u"なんか世界に平和が訪れた!"};
  for (std::size_t i = 0; i < kSteps.size(); ++i) {
    Ask(game, kSteps[i], 1, i + 1 < kSteps.size() ? u"▼" : u"おわり");
  }
}

void RunEntry(Game& game, int k) {
  switch (k) {
    case 1:
      Ask(game, u"１＋１＝？", 1, u"２");
      return Tell(game, u"正解！");
    case 2:
      Ask(game,
          u"（８２１－１７５）×（２０８／１３３）／（（８６１＋９８５）／（９６８－４７１））－１３"
          u"７＝？",
          1, u"１３５");
      return Tell(game, u"正解！");
    case 3:
      Ask(game, u"（（（４７＋２３×１１－９１）／（７６／９１×７７）×６０）＋４６×１２）／１７＝？",
          1, u"４４");
      return Tell(game, u"違うよ");
    case 4:
      return Tell(game, Ask(game, u"７６×５１－４２×９＋３１×？＝７３１１", 3, u"１２３", u"１３３",
                            u"１１３") == 0
                            ? u"正解！"
                            : u"違うよ");
    case 5:
      return Tell(
          game, Ask(game, u"メッセージは全部で３０種類!!全部見たかな？", 2, u"はい", u"いいえ") == 0
                    ? u"そんなにないよ。"
                    : u"やっぱり。");
    case 6:
      Ask(game, u"このメッセージとてもレア!!確率なんと１０万分の１!!", 2, u"うそ？", u"本当？");
      return Tell(game, u"うそ。", u"アルマジロ");
    case 7:
      Ask(game, u"あなた何がた？", 3, u"Ａ型", u"Ｂ型", u"Ｃ型");
      return Fortune(game,
                     {u"明日は雨が降るよ。", u"昨日は占い１位だったよ。", u"嘘ついちゃダメだよ。"});
    case 8:
      if (Ask(game, u"あなた何座？", 3, u"しし座", u"やぎ座", u"ほし座") == 2) {
        return Tell(game, u"俺色に染まれ(意味不明)");
      }
      return Fortune(game, {u"今日のラッキーパーソンはＯ型の人だよ。",
                            u"今日のラッキーアイテムはダチョウの卵だよ。",
                            u"今日のラッキーマクラは低反発枕だよ。"});
    case 9:
      return Tell(game, u"裏技その１:背景が適当のときに背景をクリックすると…");
    case 10:
      return Tell(game, u"裏技その３:背景が夜空のときに背景をクリックすると…");
    case 11:
      return Tell(game, u"メッセージのタイトルが｢ぽこたん｣になっているのがあるぞ!!探してみよう!!",
                  u"ぽこたん");
    case 12:
      return Tell(game,
                  u"メッセージのタイトルが｢アルマジロ｣になっているのがあるぞ!!探してみよう!!");
    case 13:
      return Tell(game,
                  Ask(game, u"｢ツブラ｣をやるときは部屋を明るくしてパソコンから離れておやり下さい。",
                      2, u"ムリ", u"了承") == 0
                      ? u"たしかに"
                      : u"がんばれ");
    case 14:
      return Tell(
          game,
          u"｢ツブラ｣はノンフィクションですが人物名、団体名など実在のものとは一切関係ありません。");
    case 15:
      Ask(game, u"１＋１＝？", 1, u"３");
      return Tell(game, u"違うよ");
    case 16:
      return PersonalityTest(game);
    case 17: {
      static constexpr std::array<Text, 3> kResults{
          u"何本でも繋げるコード…それはあなたの無分別さを表しています。慰謝料を払うことにならない様"
          u"注意しましょう。",
          u"割らないと使えないはし…それはあなたの孤独感を表しています。怪しい宗教に入って心を癒しま"
          u"しょう。",
          u"絶対に有り得ない選択肢…それはあなたの奇想天外さを表しています。それをどういかすかが今後"
          u"の人生の鍵となりそうです。"};
      const int choice = Ask(game, u"心理テスト!!無人島に持っていくなら次のうちドレ？", 3,
                             u"たこ足コード", u"わりばし", u"東京ドーム");
      return Tell(game, kResults[static_cast<std::size_t>(choice) % kResults.size()]);
    }
    case 18: {
      static constexpr std::array<Text, 3> kReplies{
          u"時給安いよ。", u"贅沢言ってるとプー太郎になるよ。", u"夢見てると路頭に迷うよ。"};
      const int choice = Ask(game, u"あなたは中ボスになりたいですか？", 3, u"なりたい",
                             u"なりたくない", u"大ボスなら");
      return Tell(game, kReplies[static_cast<std::size_t>(choice) % kReplies.size()]);
    }
    default:
      return LevelUp(game);
  }
}

}  // namespace

void ShowRandomMessage(Game& game) {
  RunEntry(game, Draw(game, 19));
}

bool DrawRandomMessageChance(Game& game) {
  const int n = Draw(game, 5);
  return n >= 5 && game.Settings.MessageMode == kMessageJokes;
}
