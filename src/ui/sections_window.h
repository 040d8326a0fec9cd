#pragma once
// "Choose or Define Sections" (`Form23`): the named sections of sections.dat with their moment
// of inertia I and modulus E. The file is read each time the window opens; the window only
// shows values and never changes the beam. Modeless; the main window keeps one instance.

#include <QDialog>
#include <filesystem>
#include <vector>

#include "storage/sections_file.h"

class QComboBox;
class QLineEdit;

namespace spanlyx {

class Prompter;

class SectionsWindow final : public QDialog {
    Q_OBJECT
  public:
    SectionsWindow(std::filesystem::path file, Prompter& prompter, QWidget* parent = nullptr);

    // Reads the file into the list; a missing file, or one that lists more sections than the
    // window holds, is reported.
    void load();

  private:
    void chosen(int index);

    std::filesystem::path file_;
    Prompter& prompter_;
    std::vector<Section> sections_;
    QComboBox* names_;
    QLineEdit* inertia_;
    QLineEdit* modulus_;
};

}  // namespace spanlyx
