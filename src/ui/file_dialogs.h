#pragma once
// The open and save dialogs as a service, so that tests answer them.

#include <QString>
#include <optional>

class QWidget;

namespace spanlyx {

class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> open_path(QWidget* parent, const QString& caption,
                                             const QString& filter) = 0;
    // Asks before overwriting; the default suffix is added when the name has none.
    virtual std::optional<QString> save_path(QWidget* parent, const QString& caption,
                                             const QString& filter,
                                             const QString& default_suffix) = 0;
};

class QtFileDialogs final : public FileDialogs {
  public:
    std::optional<QString> open_path(QWidget* parent, const QString& caption,
                                     const QString& filter) override;
    std::optional<QString> save_path(QWidget* parent, const QString& caption, const QString& filter,
                                     const QString& default_suffix) override;
};

}  // namespace spanlyx
