#pragma once
// The Macro page (gbPage4): the PC macro list ("Macro List", LB_PCMacroName) with Btn_New,
// btn_Delete and Btn_Add_Mouse, the mouse's macros ("Storage in Mouse", LB_MacroName) with
// Btn_delete_mouse, and the macro editor over the selected macro ("Macro Content"). A right-click
// on a list opens its popup (Pnl_PCMacro, Pnl_DevMacro). Every change runs through the host's run
// path: library changes under the macro file's lock, device changes through the device macro write.

#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <span>

#include "image/macro_tables.h"
#include "macros/macro_outcome.h"
#include "ui/host/operation_host.h"

class QLabel;
class QListWidget;
class QWidget;

namespace gm::ui {

class MacroEditor;
class MacroListView;
class MacroNameDialog;
class MacroPopup;
class PageCard;
class SkinButton;

class MacroPage final : public QObject {
    Q_OBJECT
public:
    MacroPage(OperationHost& host, QWidget* page);

private:
    void buildListCard(QWidget* page);
    void buildStorageCard(QWidget* page);
    void buildContentCard(QWidget* page);
    void buildPopups();
    void retranslate();
    void refresh();
    void showEvents();
    // The editor's store of the selected PC macro's body; what the macro holds afterwards.
    std::optional<image::MacroBody> storeBody(const image::MacroBody& body);

    void choosePcRow(int row);
    void chooseDeviceRow(int row);

    // Opens TForm3 with `initial`; `named` gets the confirmed text.
    void askName(const QString& initial, std::function<void(const QString&)> named);
    void newMacro();
    void renameMacro();
    void deletePcMacro();
    void importOne();
    void importAll();
    void exportOne();
    void exportAll();
    void addToMouse();
    void deleteFromMouse();
    void exportDevice();

    // Runs a change of the PC list under the macro file's lock; the outcome when it ran.
    std::optional<macros::MacroOutcome> runLibrary(const QString& what,
                                                   const std::function<macros::MacroOutcome()>& op);
    // Runs a change of the mouse's macros.
    std::optional<macros::MacroOutcome> runDevice(const QString& what,
                                                  const std::function<macros::MacroOutcome()>& op);
    void sayRefusal(const QString& what, const macros::MacroOutcome& outcome);
    // The file chosen to export to, ".bin" appended when it has no such ending.
    QString exportFile();
    void writeExport(const QString& what, std::span<const std::uint8_t> bytes);

    OperationHost& host_;
    QWidget* window_;
    MacroListView* pcList_ = nullptr;
    MacroListView* deviceList_ = nullptr;
    MacroEditor* editor_ = nullptr;
    QLabel* areaUsed_ = nullptr;
    SkinButton* new_ = nullptr;
    SkinButton* delete_ = nullptr;
    SkinButton* addToMouse_ = nullptr;
    SkinButton* deleteFromMouse_ = nullptr;
    MacroPopup* pcPopup_ = nullptr;
    MacroPopup* devicePopup_ = nullptr;
    MacroNameDialog* nameDialog_ = nullptr;
    std::function<void(const QString&)> named_;
    std::array<PageCard*, 3> cards_{};
    // What is selected: a PC record or a device slot (never both).
    std::optional<std::size_t> pcRecord_;
    std::optional<std::size_t> deviceSlot_;
};

// Builds the Macro page into its group box.
void buildMacroPage(OperationHost& host, QWidget* page);

}  // namespace gm::ui
