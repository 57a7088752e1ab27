#include "shell/ui/CMainFrame.h"

#include "base/PrintableText.h"
#include "resources/CommandIds.h"
#include "resources/ui/ProgramIcons.h"
#include "shell/ResourceModule.h"
#include "shell/ui/LockKeyWatcher.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

namespace tevano {

namespace {

QKeySequence AcceleratorKeys(const res::Accelerator& accelerator) {
    int key = accelerator.key;
    if (key >= res::kKeyF1 && key < res::kKeyF1 + 12) {
        key = Qt::Key_F1 + (key - res::kKeyF1);
    } else if (key == res::kKeyUp) {
        key = Qt::Key_Up;
    } else if (key == res::kKeyDown) {
        key = Qt::Key_Down;
    } else if (key == res::kKeyDelete) {
        key = Qt::Key_Delete;
    }
    Qt::KeyboardModifiers modifiers;
    if (accelerator.modifiers & res::kCtrl) {
        modifiers |= Qt::ControlModifier;
    }
    if (accelerator.modifiers & res::kShift) {
        modifiers |= Qt::ShiftModifier;
    }
    if (accelerator.modifiers & res::kAlt) {
        modifiers |= Qt::AltModifier;
    }
    return QKeySequence(QKeyCombination(modifiers, static_cast<Qt::Key>(key)));
}

constexpr QSize kDesignedSize(1024, 768);

// A long path in the recent-file list loses its middle rather than widen the menu.
constexpr int kMostRecentEntryWidth = 480;

const QScreen* ScreenOf(const QWidget& widget) {
    return widget.screen() != nullptr ? widget.screen() : qApp->primaryScreen();
}

QLabel* MakeIndicator(QStatusBar* bar) {
    auto* pane = new QLabel(bar);
    pane->setAlignment(Qt::AlignCenter);
    pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance("SCRL") + 12);
    bar->addPermanentWidget(pane);
    return pane;
}

} // namespace

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
    setAcceptDrops(true);
    resize(kDesignedSize);
    messagePane_ = new QLabel(statusBar());
    statusBar()->addWidget(messagePane_, 1);
    QLabel* caps = MakeIndicator(statusBar());
    QLabel* num = MakeIndicator(statusBar());
    QLabel* scroll = MakeIndicator(statusBar());
    lockKeys_ = new LockKeyWatcher(caps, num, scroll, this);
    qApp->installEventFilter(lockKeys_);
    toolbar_ = new QToolBar(this);
    toolbar_->setIconSize(QSize(18, 18));
    toolbar_->setMovable(true);
    toolbar_->setFloatable(true);
    toolbar_->setAllowedAreas(Qt::AllToolBarAreas);
    addToolBar(Qt::TopToolBarArea, toolbar_);
}

CMainFrame::~CMainFrame() {
    qApp->removeEventFilter(lockKeys_);
    qApp->removeEventFilter(this);
}

void CMainFrame::LoadFrameResources(const ResourceModule& module) {
    menuBar()->clear();
    for (auto& [id, action] : actions_) {
        action->deleteLater();
    }
    actions_.clear();
    if (const res::Menu* menu = module.FindMenu(res::ids::kMainFrame)) {
        for (int i = 0; i < menu->popupCount; ++i) {
            const res::MenuItem& popup = menu->popups[i];
            QMenu* submenu = menuBar()->addMenu(QString::fromUtf8(popup.text));
            BuildMenu(submenu, popup.items, popup.itemCount, module);
        }
    }
    toolbar_->clear();
    if (const res::Toolbar* toolbar = module.FindToolbar(res::ids::kMainFrame)) {
        BuildToolbar(*toolbar, module);
    }
    for (QShortcut* shortcut : accelerators_) {
        delete shortcut;
    }
    accelerators_.clear();
    if (const res::AcceleratorTable* table = module.FindAccelerators(res::ids::kMainFrame)) {
        BuildAccelerators(*table);
    }
    recentActions_.clear(); // went with the menus
    BuildRecentFiles();
    setWindowTitle(QString::fromStdString(module.String(res::ids::kAppTitleString)));
    setWindowIcon(ProgramIcons::Icon(res::ids::kAppIcon));
    messagePane_->setText(QString::fromStdString(module.String(res::ids::kIdlePromptString)));
    lockKeys_->SetTexts(QString::fromStdString(module.String(res::cmd::kIndicatorCaps)),
                        QString::fromStdString(module.String(res::cmd::kIndicatorNum)),
                        QString::fromStdString(module.String(res::cmd::kIndicatorScroll)));
}

QAction* CMainFrame::Action(int commandId) const {
    const auto it = actions_.find(commandId);
    return it == actions_.end() ? nullptr : it->second;
}

void CMainFrame::SetMessageText(const QString& text) {
    if (messagePane_->text() != text) {
        messagePane_->setText(text);
        messagePane_->repaint();
    }
}

QString CMainFrame::MessageText() const {
    return messagePane_->text();
}

void CMainFrame::ShowNote(const QString& text) {
    SetMessageText(text);
    if (!noteKept_) {
        noteKept_ = true;
        // Watched only while a note is kept: the first click or key in this window lets go.
        qApp->installEventFilter(this);
    }
}

void CMainFrame::ShowHelpText(const QString& text) {
    if (!noteKept_) {
        SetMessageText(text);
    }
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (noteKept_ && (type == QEvent::MouseButtonPress || type == QEvent::KeyPress) &&
        watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this) {
        noteKept_ = false;
        qApp->removeEventFilter(this);
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::BuildMenu(QMenu* menu, const res::MenuItem* items, int count,
                           const ResourceModule& module) {
    connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommands);
    for (int i = 0; i < count; ++i) {
        const res::MenuItem& item = items[i];
        switch (item.kind) {
        case res::MenuItem::Kind::Separator:
            menu->addSeparator();
            break;
        case res::MenuItem::Kind::Popup:
            BuildMenu(menu->addMenu(QString::fromUtf8(item.text)), item.items, item.itemCount,
                      module);
            break;
        case res::MenuItem::Kind::Command:
            // The shortcut after the tab is only shown; the accelerator table binds keys.
            menu->addAction(MakeAction(item.commandId, QString::fromUtf8(item.text), module));
            break;
        }
    }
}

QAction* CMainFrame::MakeAction(int commandId, const QString& text, const ResourceModule& module) {
    QAction* action = Action(commandId);
    if (action == nullptr) {
        // "&New\tCtrl+N": the words, and the key the menu shows beside them, which a screen
        // reader tells as the item's key. The accelerator table binds the keys; the action's
        // own shortcut works only while its menu has the keyboard, where it does the same.
        action = new QAction(text.section('\t', 0, 0), this);
        if (const QString keys = text.section('\t', 1); !keys.isEmpty()) {
            action->setShortcut(QKeySequence(keys));
            action->setShortcutContext(Qt::WidgetShortcut);
        }
        action->setIconVisibleInMenu(false);
        // A toolbar button is read by this: the words without the mnemonic.
        action->setIconText(QString(text).remove('&').section('\t', 0, 0));
        const QIcon icon = ProgramIcons::Icon(commandId);
        if (!icon.isNull()) {
            action->setIcon(icon);
        }
        const QString prompt = QString::fromStdString(module.String(commandId));
        const qsizetype newline = prompt.indexOf('\n');
        action->setStatusTip(newline < 0 ? prompt : prompt.left(newline));
        action->setToolTip(newline < 0 ? QString(text).remove('&').section('\t', 0, 0)
                                       : prompt.mid(newline + 1));
        connect(action, &QAction::triggered, this, [this, commandId] { emit Command(commandId); });
        actions_[commandId] = action;
    }
    return action;
}

void CMainFrame::BuildToolbar(const res::Toolbar& toolbar, const ResourceModule& module) {
    toolbar_->setIconSize(QSize(toolbar.buttonWidth, toolbar.buttonHeight));
    for (int i = 0; i < toolbar.count; ++i) {
        const int id = toolbar.commandIds[i];
        if (id == 0) {
            toolbar_->addSeparator();
        } else {
            toolbar_->addAction(MakeAction(id, QString(), module));
        }
    }
}

void CMainFrame::BuildAccelerators(const res::AcceleratorTable& table) {
    for (int i = 0; i < table.count; ++i) {
        const res::Accelerator& accelerator = table.entries[i];
        auto* shortcut = new QShortcut(AcceleratorKeys(accelerator), this);
        shortcut->setContext(Qt::WindowShortcut);
        const int id = accelerator.commandId;
        connect(shortcut, &QShortcut::activated, this, [this, id] { emit Command(id); });
        accelerators_.push_back(shortcut);
    }
}

void CMainFrame::ShowRecentFiles(const QStringList& paths) {
    if (paths == recentPaths_) {
        return;
    }
    recentPaths_ = paths;
    for (QAction* action : recentActions_) {
        delete action;
    }
    recentActions_.clear();
    BuildRecentFiles();
}

// The entries go between the separator above Exit and Exit, with a separator of their own.
void CMainFrame::BuildRecentFiles() {
    QAction* exit = Action(res::cmd::kAppExit);
    if (exit == nullptr || recentPaths_.isEmpty()) {
        return;
    }
    for (QObject* holder : exit->associatedObjects()) {
        auto* menu = qobject_cast<QMenu*>(holder);
        if (menu == nullptr) {
            continue;
        }
        for (int i = 0; i < recentPaths_.size(); ++i) {
            const QString& path = recentPaths_[i];
            const QString shown = QString::fromStdString(PrintableText(path.toStdString()));
            const QString elided =
                menu->fontMetrics().elidedText(shown, Qt::ElideMiddle, kMostRecentEntryWidth);
            auto* action = new QAction(
                "&" + QString::number(i + 1) + " " + QString(elided).replace('&', "&&"), this);
            action->setStatusTip(shown);
            connect(action, &QAction::triggered, this,
                    [this, path] { emit RecentFileChosen(path); });
            menu->insertAction(exit, action);
            recentActions_.push_back(action);
        }
        recentActions_.push_back(menu->insertSeparator(exit));
    }
}

QSize CMainFrame::FirstSize() const {
    const QScreen* screen = ScreenOf(*this);
    if (screen == nullptr) {
        return kDesignedSize;
    }
    return kDesignedSize.boundedTo(screen->availableGeometry().size() - Decoration());
}

// What the window system puts around the window. It is known once the window is on the screen;
// before, a title bar as the style draws one and a thin border are assumed.
QSize CMainFrame::Decoration() const {
    const QSize known = frameGeometry().size() - size();
    if (known.width() > 0 || known.height() > 0) {
        return known;
    }
    const int border = 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    return QSize(border, titleBar + border);
}

// Once the window system has said how large its frame is, a window opened on a small screen is
// sized again to fit exactly, so that none of it lies off the screen and no room is left unused.
void CMainFrame::FitFrameOnScreen() {
    const QSize known = frameGeometry().size() - size();
    if (decorationKnown_ || (known.width() <= 0 && known.height() <= 0)) {
        return;
    }
    decorationKnown_ = true;
    if (size() != FirstSize()) {
        resize(FirstSize());
        CentreOnScreen();
    }
}

void CMainFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    CentreOnScreen();
    FitFrameOnScreen();
}

void CMainFrame::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    FitFrameOnScreen();
}

void CMainFrame::CentreOnScreen() {
    const QScreen* screen = ScreenOf(*this);
    if (screen == nullptr) {
        return;
    }
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    bool accept = true;
    emit CloseRequested(accept);
    if (accept) {
        event->accept();
    } else {
        event->ignore();
    }
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void CMainFrame::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            paths << url.toLocalFile();
        }
    }
    if (!paths.isEmpty()) {
        event->acceptProposedAction();
        emit FilesDropped(paths);
    }
}

} // namespace tevano
