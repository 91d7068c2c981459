// The shopping list to carry: one page, a section per shop with a check box per item.
#include "cli/planformats.h"

#include "cli/utf8buffer.h"
#include "core/dates.h"

namespace {

// Large enough to tick on a phone; on paper two columns, so a list of 40 items fits one A4 page.
constexpr char Style[] = R"(
@page { size: A4; margin: 12mm; }
body { font-family: "IPAPGothic", "IPA Pゴシック", "Noto Sans CJK JP", sans-serif; font-size: 16px;
       color: #000; background: #fff; margin: 8px; max-width: 40em; }
h1 { font-size: 20px; margin: 0 0 4px; }
p.sum { margin: 0 0 2px; }
section { margin: 12px 0 0; }
h2 { font-size: 17px; margin: 0; padding: 2px 0; border-bottom: 2px solid #444;
     display: flex; justify-content: space-between; gap: 8px; }
ul { list-style: none; margin: 0; padding: 0; }
li { border-bottom: 1px solid #ccc; }
label { display: flex; align-items: center; gap: 8px; padding: 6px 0; }
input { width: 22px; height: 22px; margin: 0; flex: none; }
.box { font-size: 18px; }
.name { flex: 1; overflow-wrap: anywhere; }
.n { white-space: nowrap; text-align: right; }
.old { font-size: 13px; color: #8a4b00; }
.note { font-size: 13px; color: #333; }
@media print {
  body { font-size: 10pt; margin: 0; max-width: none; }
  h1 { font-size: 13pt; }
  h2 { font-size: 11pt; }
  main { columns: 2; column-gap: 8mm; }
  section { break-inside: avoid; margin-top: 6px; }
  label { padding: 1px 0; gap: 5px; }
  input { width: 12px; height: 12px; }
  .old, .note { font-size: 8pt; }
}
)";

} // namespace

QByteArray planHtml(const ShoppingPlan& plan, const QString& notebookName, CheckBoxes boxes) {
    Utf8Buffer html;
    html.reserve(4096 + plan.itemCount() * 300);
    // The policy lets the page fetch nothing and run nothing, whatever a name in it holds.
    html << "<!DOCTYPE html>\n<html lang=\"ja\"><head><meta charset=\"utf-8\">"
            "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; style-src "
            "'unsafe-inline'\">"
            "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\"><title>買い物リスト – ";
    html.escaped(notebookName) << "</title><style>" << Style
                               << "</style></head><body>\n<h1>買い物リスト</h1>\n";
    html << "<p class=\"sum\">合計 <b>";
    html.escaped(totalText(plan.total)) << " 円</b>（";
    html.number(plan.stops.size()) << " 店、";
    html.number(plan.itemCount()) << " 品）</p>\n";
    if (plan.singleShop) {
        html << "<p class=\"note\">1 店で買うなら: ";
        html.escaped(plan.singleShop->shop) << ' ';
        html.escaped(totalText(plan.singleShop->total)) << " 円";
        if (!plan.singleShop->missing.isEmpty()) {
            html << "（ない品: ";
            html.escaped(plan.singleShop->missing.join(u'、')) << "）";
        }
        html << "</p>\n";
    }
    if (plan.standardTotal) {
        html << "<p class=\"note\">標準価格なら: ";
        html.escaped(totalText(*plan.standardTotal)) << " 円</p>\n";
    }
    html << "<main>\n";
    const auto checkBox = [&] {
        if (boxes == CheckBoxes::Inputs)
            html << "<li><label><input type=\"checkbox\">";
        else
            html << "<li><label><span class=\"box\">☐</span>";
    };
    for (const PlanStop& stop : plan.stops) {
        html << "<section><h2><span>";
        html.escaped(stop.shop) << "</span><span class=\"n\">";
        html.escaped(totalText(stop.subtotal)) << " 円</span></h2><ul>\n";
        for (const PlannedItem& item : stop.items) {
            checkBox();
            html << "<span class=\"name\">";
            html.escaped(item.name);
            if (item.quantity > 1) {
                html << " ×";
                html.number(item.quantity);
            }
            if (item.price.old) {
                html << " <span class=\"old\">※古い価格 ";
                html.escaped(item.price.date ? formatStoredDate(*item.price.date) : item.price.dateText)
                    << "</span>";
            }
            html << "</span><span class=\"n\">";
            html.escaped(totalText(item.cost)) << " 円</span></label></li>\n";
        }
        html << "</ul></section>\n";
    }
    if (!plan.unpriced.isEmpty()) {
        html << "<section><h2><span>価格の分からない品</span></h2><ul>\n";
        for (const QString& name : plan.unpriced) {
            checkBox();
            html << "<span class=\"name\">";
            html.escaped(name) << "</span></label></li>\n";
        }
        html << "</ul></section>\n";
    }
    html << "</main>\n";
    if (plan.anyOld()) {
        html << "<p class=\"note\">※ 古い価格: ";
        html.date(plan.oldCutOff) << " 以前の記録で、ほかに新しい価格がありません</p>\n";
    }
    html << "</body></html>\n";
    return html.take();
}
