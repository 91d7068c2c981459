#include "cli/helptext.h"

#include "cli/language.h"
#include "notebook/pricebook.h"

using namespace Qt::StringLiterals;

QString helpText() {
    return localized(uR"(使い方: pricotta-cli コマンド [引数] [オプション]

Pricotta のノート（1 行目が zorvandata のテキストファイル）を読み、書き出し・取り込み・
まとめ・底値の一覧・確かめ直す商品の一覧・底値レポートを作ります。ノートは本体と同じ
読み方で読み（バイトオーダーマーク、コードページ 932、UTF-8）、本体が開けないファイルは
本体と同じ文で断ります。ノートを書くのは -o と --into で指定したファイルだけで、
書くときはファイル全体を置き換えるか、何も書かないかのどちらかです。NUL 文字で
途中から読めないノートと、64 MB を超えてどのプログラムも読めなくなるノートは扱いません。
ファイル名の - は標準入力（-o - は標準出力）です。パイプや <(…) もファイルとして読めます。

コマンド:
  export ノート [--format csv|json] [--encoding utf-8|cp932] [-o ファイル]
      記録 1 件を 1 行に書き出します。列は 商品名,標準価格,店名,時価,記録日,メモ。
      記録のない商品は、店名・時価・記録日を空にした 1 行になります。
      CSV は見出し行付き（RFC 4180）で、既定はバイトオーダーマーク付き UTF-8、
      --encoding cp932 でコードページ 932（シフト JIS）。金額は「1980」の形、日付は
      「2014/05/01」の形です。JSON（UTF-8）は商品ごとに記録をまとめ、金額は整数、
      日付は「2014-05-01」の形です。-o がなければ標準出力に書きます。

  import ファイル -o ノート
  import ファイル --into ノート
  import ファイル --check
      export の CSV（見出し行が必要。列の順は自由で、商品名以外の列は省けます。ほかの
      見出しの列は警告を一度出して読みません）または export --format json の JSON から
      ノートを作ります（-o）。--into は既存のノートに加えます（下の「まとめ方」）。
      --check は確かめるだけで何も書きません。行は商品名ごとにまとめます（大文字と
      小文字は区別しません）。時価と標準価格は本体の金額の入力と同じ規則で確かめ
      （「1,280」は 1280、「98.5」は本体と同じく 98 に丸め、丸めたことを示します）、
      記録日は本体と同じ規則か「2014-05-01」の形で読みます。店名も時価もない行は
      記録なしの商品です。受け付けられない行が一つでもあれば、その行をすべて
      （100 行まで、あとは数）行番号と理由とともに示して何も書きません。

  merge A B -o C
      ノート A と B をまとめて C に書きます（C は A や B と同じでも構いません）。
      商品は名前で対応させます（大文字と小文字は区別しません）。標準価格とメモは A の
      ものを使い、A が空なら B のものを使います。両方にあって違う場合は、商品ごとに
      1 行、標準エラー出力に書きます。B にしかない商品は、そのまま最後に加えます。

  cheapest ノート [--shop 店名] [--months N] [--format text|csv|json]
      商品ごとの最安値（時価・店名・記録日）、標準価格、差額（標準価格 − 最安値）を
      表にします（商品名の順、全角文字は 2 桁で揃えます）。店の値段はその店の一番
      新しい記録です。N か月前（既定 12）の同じ日以前の記録は古い価格で、ほかに新しい
      価格のない商品にだけ使い、記録日に「※」を付けます。同じ最安値の店がいくつも
      あれば、すべて並べます。--shop を付けると、その店で最安値が記録された商品
      （同じ最安値を含む）だけを並べます。この店で買うものの一覧です。
      --shop の店の記録がノートにないときは、近い店名を示して終了コード 1 で終わります。
      --format は stale と同じです。CSV と JSON では古い価格を列「古い価格」（「古い」か
      空）、キー old（true か false）で示します。

  stale ノート [--months N] [--shop 店名] [--format text|csv|json]
      最後の記録日が N か月前（既定 12）の同じ日以前の商品を、古い順に並べます。
      次の買い物で値段を確かめ直す一覧です。--shop を付けると、その店での最後の記録日で
      比べ、その店の記録がない商品は並べません。付けなければ、記録のない商品も先頭に
      並べます。
      --shop の店の記録がノートにないときは、近い店名を示して終了コード 1 で終わります。
      --format csv は export と同じ CSV、json は配列（金額は数、日付は「2014-05-01」）。
      表は端末では COLUMNS の幅に収めます。

  report ノート [-o ファイル.html] [--open]
      底値レポートを 1 枚の HTML に書きます（日本語、スクリプトなし、ネットワークを
      使わない、A4 で印刷できる）。初めに概要、色の説明、店の成績、確かめ直す商品
      （最新の時価が標準価格より高い・値上がり・1 年以上記録なし）、次にすべての商品を
      確かめ直すものから、最安値と差額と、時価が二つ以上あれば価格の推移のグラフとともに
      載せます。印刷すると、すべての商品の一覧は省きます。-o がなければ標準出力に書きます。
      --open はできたレポートをデスクトップのブラウザーで開きます（-o がなければ
      一時フォルダーに書きます）。

  plan ノート 買い物リスト [--shops K] [--only 店名,店名] [--months N]
       [--format text|csv|json|html] [-o ファイル]
      買い物リスト（1 行に 1 商品、名前のあとに「×2」「x2」で数量。空行と # で始まる
      行は読みません。- は標準入力）の品をどの店で買えば一番安いかを、店ごとにまとめて
      示します。値段は cheapest と同じ（店の一番新しい記録、古い価格には印）。
      --shops K は回る店を K 店までにし、その中で合計が一番安い組み合わせを
      （すべての組み合わせから）選びます。選べない品が一番少ないものを先に選び、
      同じ合計なら店の少ないほう、次に店名一覧（zorvan_店.txt）の順で前の店です。
      --only は行ける店だけを使います。1 店だけで買った場合（ない品も）と標準価格での
      合計も示します。ノートにない名前の行は近い名前と共に標準エラー出力に書き、
      残りで計画を立てて終了コード 1 で終わります。html は持ち歩く買い物リストです。

まとめ方（import、import --into、merge）:
  1 商品の記録は %1 件までです。同じ記録（店名・時価・記録日がすべて同じ）は 1 件に
  します。加わる記録があれば、両方の記録を記録日の順に並べ、新しいものから %1 件を残し、
  古いものから順に欄 1〜%1 に入れます。空いた欄の日付は今日です（本体で欄を消したときと
  同じ）。記録日が同じ記録は、来た順（A または取り込み先が先、CSV では行の順）を
  保ちます。加わる記録のない商品は、欄の順も含めてそのままです。

その他:
  -h, --help     この説明を表示します
  --version      版を表示します

終了コード:
  0  成功
  1  データを受け付けられない（ファイル名・行・理由を表示します）、
     ファイルを読めない・書けない、ブラウザーで開けない
  2  使い方の誤り
)"_s,
                     uR"(Usage: pricotta-cli COMMAND [ARGUMENTS] [OPTIONS]

Reads Pricotta notebooks (text files whose first line is zorvandata) to export, import,
merge, list the cheapest prices, list the products to check again and write a report of
the cheapest prices. A notebook is read as the window reads it (byte-order mark, code page
932, UTF-8), and a file the window cannot open is refused with the window's own words.
A notebook is written only to the file -o or --into names, and that file is either
replaced whole or left as it was. A notebook that a NUL character cuts short, and one
above 64 MB that no program could read, are refused.
A file name - is standard input (-o - is standard output). Pipes and <(...) are read as files.
Messages are in Japanese under a Japanese locale (LANG=ja_JP.UTF-8), in English otherwise;
the data written (column titles, tables, reports) is the same in both.

Commands:
  export NOTEBOOK [--format csv|json] [--encoding utf-8|cp932] [-o FILE]
      Writes one row per price. The columns are 商品名 (name), 標準価格 (standard price),
      店名 (shop), 時価 (price), 記録日 (date) and メモ (memo). A product without a price
      gives one row with shop, price and date empty.
      CSV has a header row (RFC 4180) and is UTF-8 with a byte-order mark by default, or
      code page 932 (Shift JIS) with --encoding cp932. Amounts look like "1980", dates like
      "2014/05/01". JSON (UTF-8) groups the prices by product; amounts are whole numbers
      and dates look like "2014-05-01". Without -o it writes to standard output.

  import FILE -o NOTEBOOK
  import FILE --into NOTEBOOK
  import FILE --check
      Makes a notebook (-o) from the CSV of export (a header row is needed; the columns may
      come in any order and every column but 商品名 may be left out; columns of other
      titles are not read, with one warning) or from the JSON of export --format json.
      --into adds to an existing notebook (see "Merging" below). --check only checks and
      writes nothing. Rows are grouped into products by name, ignoring case. Prices and
      standard prices are checked as the window checks an amount ("1,280" is 1280, "98.5"
      is rounded to 98 as the window rounds it, and the rounding is reported); dates are
      read as the window reads them or as "2014-05-01". A row with neither shop nor price
      is a product without prices. If any row cannot be taken, every such row is listed
      (up to 100, then a count) with its line and the reason, and nothing is written.

  merge A B -o C
      Merges notebooks A and B and writes C (C may be A or B). Products match by name,
      ignoring case. The standard price and the memo are A's, or B's where A's is empty;
      where both have different ones, one line per product says so on standard error.
      Products only B has are added at the end as they are.

  cheapest NOTEBOOK [--shop SHOP] [--months N] [--format text|csv|json]
      A table of every product's cheapest price (price, shop, date), its standard price and
      the difference (standard price − cheapest price), in the order of the names, full-width
      characters taking two columns. A shop's price is its newest one. A price from N months
      ago (12 by default) on the same day or earlier is old: it is used only for a product
      without a newer price, and its date is marked "※". Where several shops have the same
      cheapest price, all are listed. With --shop, only the products whose cheapest price
      (or an equal one) was seen at that shop: what to buy there.
      A shop the notebook has no price of ends the command with status 1, naming the shops
      with the closest names.
      --format is as for stale. CSV and JSON mark old prices in the column 古い価格 ("古い"
      or empty) and the key old (true or false).

  stale NOTEBOOK [--months N] [--shop SHOP] [--format text|csv|json]
      The products whose newest price is from N months ago (12 by default) on the same day
      or earlier, oldest first: the prices to check again on the next shopping trip. With
      --shop, the newest price at that shop counts, and products without a price there are
      not listed; without it, products without any price come first.
      A shop the notebook has no price of ends the command with status 1, naming the shops
      with the closest names.
      --format csv is CSV as export writes it, json an array (amounts as numbers, dates like
      "2014-05-01"). On a terminal the table fits the width COLUMNS gives.

  report NOTEBOOK [-o FILE.html] [--open]
      Writes the report of the cheapest prices as one HTML page (in Japanese, without
      scripts or network, printable on A4). First the summary, the legend of the colours,
      the shops' scores and the products to check again (newest price above the standard
      price, a rise, no price for a year or more), then every product, those to check first,
      with its cheapest price and the difference and, where it has two prices or more, a
      chart of its prices. Printing leaves out the list of every product. Without -o it
      writes to standard output. --open opens the report in the desktop's browser (without
      -o it is written to the temporary folder).

  plan NOTEBOOK LIST [--shops K] [--only SHOP,SHOP] [--months N]
       [--format text|csv|json|html] [-o FILE]
      Shows at which shops the items of a shopping list (one product a line, a quantity
      after the name as "×2" or "x2"; blank lines and lines starting with # are skipped;
      - is standard input) are cheapest, grouped by shop. Prices are those of cheapest (a
      shop's newest price, old prices marked). --shops K visits at most K shops and takes
      the set of lowest total (of every possible set): fewest items left unbought first,
      then fewer shops for the same total, then the shops earlier in the shop list
      (zorvan_店.txt). --only uses only the shops you can go to. The total at the best single
      shop (and what it lacks) and at the standard prices are shown too. A line naming no
      product of the notebook is written to standard error with the closest names; the rest
      is planned and the command ends with status 1. html is a shopping list to carry.

Merging (import, import --into, merge):
  A product holds at most %1 prices. Equal prices (same shop, price and date) are kept
  once. When prices are added, both sides' prices are put in the order of their dates, the
  newest %1 are kept and put in slots 1 to %1 oldest first. An empty slot's date is today (as
  when the window clears a slot). Prices of the same date keep the order they came in
  (A, or the notebook added to, first; in a CSV the order of the rows). A product to which
  no price is added is left as it is, the order of its slots included.

Other:
  -h, --help     shows this help
  --version      shows the version

Exit status:
  0  success
  1  data refused (the file, the line and the reason are shown), a file that cannot be
     read or written, or a browser that cannot be opened
  2  a usage error
)"_s)
        .arg(PriceSlots);
}
