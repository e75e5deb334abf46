#pragma once

#include <QHash>
#include <QMainWindow>
#include <functional>

class COBLView;
class LanguageManager;
class QAction;
class QLabel;
class QMenu;
class QToolBar;
struct AppState;

// The main window: menu, toolbar, status bar and the table that routes every command id to
// the code that carries it out. A command without a handler yet is shown greyed.
class CMainFrame : public QMainWindow {
    Q_OBJECT
  public:
    CMainFrame(AppState& state, LanguageManager& languages, QWidget* parent = nullptr);

    COBLView* view() const { return m_view; }
    QAction* action(int id) const { return m_actions.value(id); }
    QToolBar* toolBar() const { return m_toolBar; }
    QLabel* statusLabel() const { return m_status; }

    // Routes a command; false when the id has no handler (or is greyed).
    bool runCommand(int id);
    void setHandler(int id, std::function<void()> handler);
    bool hasHandler(int id) const { return m_handlers.contains(id); }

    // After a record was opened, unloaded or edited: status bar, enabling, view.
    void recordChanged();
    // The open record was edited in place: status bar and enabling follow, the view stays.
    void recordEdited();
    // Menu, toolbar and status bar in the current language.
    void retranslate();
    void updateCommandStates();

  private:
    QAction* makeAction(int id);
    void buildMenus();
    void buildToolBar();
    void updateStatusBar();

    AppState& m_state;
    LanguageManager& m_languages;
    COBLView* m_view;
    QToolBar* m_toolBar = nullptr;
    QLabel* m_status;
    QHash<int, QAction*> m_actions;
    QHash<int, std::function<void()>> m_handlers;
    QList<QPair<QMenu*, const char*>> m_menus;
};
