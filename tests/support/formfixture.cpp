#include "support/formfixture.h"

#include <QDir>
#include <QFile>

FormFixture::FormFixture() : controls(mainWindowSpec()) {
    QDir().mkpath(programDir());
    form = std::make_unique<MainForm>(controls, ui, programDir());
}

void FormFixture::start() {
    form->FormCreate();
    ui.messages.clear();
}

QString FormFixture::settingsText() const {
    QFile f(settingsPath());
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

void FormFixture::pick(const QString& name) {
    const int index = int(controls.items(QStringLiteral("CBO_SYOMEI")).indexOf(name));
    if (index < 0)
        throw std::logic_error("no such product in the selector");
    controls.setItemIndex(QStringLiteral("CBO_SYOMEI"), index);
    form->click(QStringLiteral("CBO_SYOMEI"));
}
