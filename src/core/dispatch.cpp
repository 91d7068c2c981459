#include "core/dispatch.h"

#include "core/apperror.h"
#include "core/uiservices.h"

#include <exception>
#include <new>

using namespace Qt::StringLiterals;

QString defaultErrorText(const QString& message) {
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + u'.';
    return message;
}

QString internalErrorText(const QString& what) {
    return u"内部エラー: "_s + what;
}

void showError(UiServices& ui, const QString& message) {
    ui.messageBox(MsgKind::Stop, defaultErrorText(message), Ok, Ok);
}

bool dispatch(UiServices& ui, const std::function<void()>& handler) {
    try {
        handler();
        return true;
    } catch (const AppError& e) {
        showError(ui, e.message());
    } catch (const std::bad_alloc&) {
        showError(ui, u"メモリが不足しています"_s);
    } catch (const std::exception& e) {
        showError(ui, internalErrorText(QString::fromUtf8(e.what())));
    } catch (...) {
        showError(ui, internalErrorText(u"不明な例外"_s));
    }
    return false;
}
