// The query F_OLD_SIBO: the products with an observation dated a year ago or earlier, in notebook
// order; the one the user confirms is shown in the main window.
#include "core/apperror.h"
#include "core/controls.h"
#include "core/controltable.h"
#include "core/dates.h"
#include "core/dispatch.h"
#include "core/uiservices.h"
#include "notebook/pricebook.h"
#include "queries/queries.h"
#include "queries/querypick.h"

using namespace Qt::StringLiterals;

namespace {

// Today a year back. On 29 February that day does not exist the year before; 28 February keeps a
// full year between the cut-off and today.
QDate oneYearCutoff(const QDate& today) {
    return today.addYears(-1);
}

bool hasOldObservation(const PriceBook& book, qsizetype nameLine, const QDate& cutoff, const QDate& today) {
    bool old = false;
    // Every date is read, so an unreadable one keeps its product out of the list even after an old one.
    for (int j = 1; j <= PriceSlots; ++j) {
        if (parseStoredDate(book.lineView(PriceBook::dateLine(nameLine, j)), today) <= cutoff)
            old = true;
    }
    return old;
}

// Fills the list in notebook order. An unreadable date ends the filling at its product: the products
// found before it stay listed and the error goes on to the caller.
void listOldProducts(Controls& c, const PriceBook& book, const QDate& today) {
    const QDate cutoff = oneYearCutoff(today);
    // Each name is taken while its record is being read, in a list with room for all.
    QStringList names;
    names.reserve(book.productCount());
    try {
        for (qsizetype p = 0; p < book.productCount(); ++p) {
            const qsizetype nameLine = PriceBook::nameLine(p);
            if (hasOldObservation(book, nameLine, cutoff, today))
                names << book.name(nameLine);
        }
    } catch (const AppError&) {
        c.setItems(queryListName(), names);
        throw;
    }
    c.setItems(queryListName(), names);
}

} // namespace

void Queries::SPD_1OLDClick() {
    if (book_.count() < 2) {
        ui_.warn(u"先にファイルを開いて下さい"_s);
        return;
    }
    const QDate today = ui_.today();
    QueryConfirmation confirmation;
    DialogRun run;
    run.window = &oldSiboWindowSpec();
    // The error of an unreadable date is shown here, so the dialog opens with what was listed.
    run.onStart = [&](Controls& c) { dispatch(ui_, [&] { listOldProducts(c, book_, today); }); };
    run.onEvent = [&](Controls& c, const QString& control, const std::function<void(bool)>&) {
        confirmation.onEvent(c, control);
    };
    run.onDoubleClick = [&](Controls& c, const QString& control, const std::function<void(bool)>& close) {
        confirmation.onDoubleClick(c, control, close);
    };
    if (ui_.runDialog(run) && confirmation.name)
        showProduct_(*confirmation.name);
}
