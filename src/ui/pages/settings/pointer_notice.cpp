#include "ui/pages/settings/pointer_notice.h"

#include <QStringList>

#include "settings/desktop/desktop_pointer.h"
#include "ui/host/window_texts.h"

namespace gm::ui {

namespace {

using host::desktop_mouse::Refusal;
using settings::desktop::Setting;

QString nameOf(Setting setting, int language) {
    switch (setting) {
        case Setting::PointerSpeed:
            return windowText(WindowText::PointerSpeedName, language);
        case Setting::Precision:
            return windowText(WindowText::PointerPrecisionName, language);
        case Setting::DoubleClick:
            return windowText(WindowText::PointerDoubleClickName, language);
        case Setting::WheelLines:
            return windowText(WindowText::PointerWheelName, language);
    }
    return {};
}

}  // namespace

QString desktopNotice(const host::desktop_mouse::DesktopMouse& desktop, int language) {
    if (desktop.appliesNothing())
        return windowText(WindowText::PointerNoDesktop, language);
    return windowText(WindowText::PointerDesktop, language)
        .arg(QString::fromStdString(desktop.name()));
}

QString applyNotice(const host::desktop_mouse::ApplyReport& report,
                    const host::desktop_mouse::DesktopMouse& desktop, int language) {
    QStringList sentences;
    if (!report.storeError.empty())
        sentences << windowText(WindowText::PointerNotStored, language)
                         .arg(QString::fromStdString(report.storeError));
    QStringList notOffered;
    QStringList others;
    for (const Refusal& refusal : report.refusals) {
        const QString name = nameOf(refusal.setting, language);
        const QString detail = QString::fromStdString(refusal.detail);
        switch (refusal.reason) {
            case Refusal::Reason::NotOffered:
                notOffered << name;
                break;
            case Refusal::Reason::NotInstalled:
                others << windowText(WindowText::PointerNotInstalled, language).arg(name, detail);
                break;
            case Refusal::Reason::Failed:
                others << windowText(WindowText::PointerFailed, language).arg(name, detail);
                break;
        }
    }
    if (desktop.appliesNothing())
        sentences << windowText(WindowText::PointerNoDesktop, language);
    else if (notOffered.size() == static_cast<qsizetype>(settings::desktop::kApplyOrder.size()))
        sentences << windowText(WindowText::PointerOnlyStored, language);
    else if (!notOffered.isEmpty())
        sentences << windowText(WindowText::PointerNotOffered, language)
                         .arg(notOffered.join(language == 2 ? "、" : ", "));
    sentences << others;
    if (sentences.isEmpty())
        return windowText(WindowText::PointerAppliedTo, language)
            .arg(QString::fromStdString(desktop.name()));
    return sentences.join(language == 2 ? "；" : "; ");
}

}  // namespace gm::ui
