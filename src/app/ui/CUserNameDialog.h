#pragma once

#include <QDialog>
#include <functional>

class ConfigStore;
class QComboBox;
struct AppState;

// Dialog 134 "输入用户名": choose, add or delete the user whose configuration is current.
// Only OK closes it; Escape and the close box ask to delete the selected user instead.
class CUserNameDialog : public QDialog {
    Q_OBJECT
  public:
    CUserNameDialog(ConfigStore& store, AppState& state, QWidget* parent = nullptr);

    QComboBox* nameList() const { return m_names; }
    // Shows the first configuration page for a new user; the shell sets the real one.
    void setNewUserSetup(std::function<void()> setup) { m_newUserSetup = std::move(setup); }

    // Shown for a name with brackets, path separators or control characters.
    static QString InvalidNameMessage();

    void ok();
    void deleteSelected();
    void deleteAll();

  protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void fill();

    ConfigStore& m_store;
    AppState& m_state;
    QComboBox* m_names;
    QList<int> m_numbers; // list number in "Config Name List" of each entry
    std::function<void()> m_newUserSetup;
};
