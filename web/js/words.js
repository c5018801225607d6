// The page's own words: what it says of itself (a load that failed, the program's end, a
// fault of the page) and the close box of its windows. Every word of a lesson window, a menu
// or the opening screen comes from the engine; no other module of the page holds a word.

export const words = {
  engine:
    'Trevisk の本体（WebAssembly）を読み込めませんでした。ネットワークの接続を確かめてから、ページを再読み込みしてください。',
  font: '教材用のフォントを読み込めませんでした。代わりにコンピューターのフォントで表示しています（字の幅が変わることがあります）。',
  reload: '再読み込み',
  fault: 'ページの処理で問題が起きました',
  internal: '内部エラー',
  ended: 'Trevisk を終了しました。',
  startAgain: 'もう一度起動する',
  close: '閉じる',
};
