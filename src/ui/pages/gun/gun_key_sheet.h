#pragma once
// The engineering page's gun sheet (ts_Gun): the gun-key list with its options group
// (cb_SOSLB, cb_SOSStartIndex, cb_SOSNumber, cb_SOSType, cb_SOSColor), btn_AddScript,
// btn_DelScript and LB_ScriptName, and the twenty fire macro offsets edt_XOffset1..10 and
// edt_YOffset1..10, each written to the mouse as it changes.

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>
#include <array>

#include "host/files/gun_key_file.h"
#include "ui/pages/keys/key_editor.h"

namespace gm::ui {

class GunKeys;

class GunKeySheet final : public QWidget {
    Q_OBJECT
public:
    GunKeySheet(KeyEditor& editor, GunKeys& keys, QWidget* parent);

private:
    void refreshList(std::optional<std::size_t> select);
    void refreshOffsets();
    void addCode();
    void deleteCode();
    void entrySelected(int row);
    void offsetEdited(std::size_t record, bool xAxis, QLineEdit* edit);
    buttons::GunKeyOptions options() const;

    KeyEditor& editor_;
    GunKeys& keys_;
    QComboBox* keepLeft_ = nullptr;
    QComboBox* start_ = nullptr;
    QComboBox* number_ = nullptr;
    QComboBox* type_ = nullptr;
    QComboBox* colour_ = nullptr;
    QListWidget* list_ = nullptr;
    std::array<QLineEdit*, 10> xOffsets_{};
    std::array<QLineEdit*, 10> yOffsets_{};
};

// The gun-key list file of the window, beside the macro file, loaded once that is known; the key
// editor names class-0B codes from it while it exists.
class GunKeys final : public QObject {
    Q_OBJECT
public:
    explicit GunKeys(KeyEditor& editor);
    // Loads the file the first time the macro file's folder is known; said in the status line.
    void ensureLoaded();
    host::GunKeyFile* file() { return file_.get(); }
    // Runs a change of the list under the file's lock and tells the editor.
    device::Result change(const std::function<bool(buttons::GunKeyList&)>& change);

private:
    KeyEditor& editor_;
    std::unique_ptr<host::GunKeyFile> file_;
};

}  // namespace gm::ui
