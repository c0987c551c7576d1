#include "windows/HelpWindow.h"

#include "editor/UserMessages.h"
#include "windows/ControlLabels.h"
#include "windows/HelpFile.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QPointer>
#include <QSplitter>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>

namespace logivane {

namespace {

QUrl PageUrl(const QString& page) {
  QUrl url;
  const QString path = THelpFile::ArchivePath(page);
  url.setPath(path);
  if (page.contains(QLatin1Char('#'))) {
    url.setFragment(page.section(QLatin1Char('#'), 1));
  }
  return url;
}

QIcon ThemeIcon(const char* name, QStyle::StandardPixmap fallback) {
  return QIcon::fromTheme(QLatin1String(name), QApplication::style()->standardIcon(fallback));
}

}  // namespace

THelpBrowser::THelpBrowser(QWidget* parent) : QTextBrowser(parent) {
  setObjectName(QStringLiteral("HelpPage"));
  // Links are followed by the window: pages come from the help file, web addresses go to the
  // desktop's browser.
  setOpenLinks(false);
}

QVariant THelpBrowser::loadResource(int type, const QUrl& name) {
  if (!FFile || !name.scheme().isEmpty()) {
    return QTextBrowser::loadResource(type, name);
  }
  const std::optional<QByteArray> bytes = FFile->Read(name.path());
  return bytes ? QVariant(*bytes) : QVariant();
}

THelpWindow::THelpWindow(QWidget* parent)
    : QMainWindow(parent, Qt::Window), FBrowser(new THelpBrowser), FContents(new QTreeWidget) {
  setObjectName(QLatin1String(HelpWindowName));
  setWindowTitle(tr("Logivane Help"));
  resize(900, 640);
  FContents->setObjectName(QStringLiteral("HelpContents"));
  FContents->setHeaderHidden(true);
  auto* splitter = new QSplitter;
  splitter->addWidget(FContents);
  splitter->addWidget(FBrowser);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({240, 660});
  setCentralWidget(splitter);

  QToolBar* bar = addToolBar(tr("Navigation"));
  bar->setObjectName(QStringLiteral("HelpToolBar"));
  bar->setMovable(false);
  bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  QAction* back = bar->addAction(ThemeIcon("go-previous", QStyle::SP_ArrowBack), tr("&Back"),
                                 FBrowser, &QTextBrowser::backward);
  back->setObjectName(QStringLiteral("HelpBack"));
  back->setShortcut(QKeySequence::Back);
  QAction* forward = bar->addAction(ThemeIcon("go-next", QStyle::SP_ArrowForward), tr("&Forward"),
                                    FBrowser, &QTextBrowser::forward);
  forward->setObjectName(QStringLiteral("HelpForward"));
  forward->setShortcut(QKeySequence::Forward);
  QAction* home = bar->addAction(ThemeIcon("go-home", QStyle::SP_DirHomeIcon), tr("&Contents"),
                                 this, [this] { ShowPage(PageUrl(FFile->DefaultTopic())); });
  home->setObjectName(QStringLiteral("HelpHome"));
  back->setEnabled(false);
  forward->setEnabled(false);
  home->setEnabled(false);
  connect(FBrowser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  connect(FBrowser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
  connect(FBrowser, &QTextBrowser::sourceChanged, this, &THelpWindow::PageChanged);
  connect(FBrowser, &QTextBrowser::anchorClicked, this, &THelpWindow::LinkClicked);
  connect(FContents, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
    const QString page = item->data(0, Qt::UserRole).toString();
    if (!page.isEmpty()) {
      ShowPage(PageUrl(page));
    }
  });
  ControlLabels::Label(*this);
}

THelpWindow::~THelpWindow() = default;

THelpWindow& THelpWindow::Shared() {
  static QPointer<THelpWindow> shared;
  if (!shared) {
    shared = new THelpWindow;
    // Help left open does not keep the program running once the main window has closed.
    shared->setAttribute(Qt::WA_QuitOnClose, false);
  }
  return *shared;
}

void THelpWindow::BecomeHelpViewer() {
  SetHelpViewer(
      [](const THelpRequest& request) { Shared().ShowTopic(request.Address, request.Topic); });
}

bool THelpWindow::ShowTopic(const QString& address, const QString& topic) {
  // The window name follows the last ">"; a file name may hold one, a window name never does.
  const qsizetype split = address.lastIndexOf(QLatin1Char('>'));
  const QString fileName = split < 0 ? address : address.left(split);
  const QString windowName = split < 0 ? QLatin1String(HelpWindowName) : address.mid(split + 1);
  QWidget* parent = isVisible() ? this : QApplication::activeWindow();

  std::unique_ptr<THelpFile> opened;
  const THelpFile* file = FFile.get();
  if (!file || file->FileName() != fileName) {
    opened = THelpFile::Open(fileName);
    if (!opened) {
      UserMessages::Show(parent, QMessageBox::Warning,
                         tr("Unable to open the help file \"%1\".").arg(fileName));
      return false;
    }
    file = opened.get();
  }
  const QString page = topic.isEmpty() ? file->DefaultTopic() : topic;
  if (page.isEmpty() || !file->Contains(page)) {
    UserMessages::Show(parent, QMessageBox::Warning,
                       tr("The help topic \"%1\" is not in the help file \"%2\".")
                           .arg(topic.isEmpty() ? tr("(contents)") : topic, fileName));
    return false;
  }
  if (opened) {
    SetHelpFile(std::move(opened));
  }
  FWindowName = windowName;
  ShowPage(PageUrl(page));
  StayUsableBeside(qobject_cast<QDialog*>(QApplication::activeModalWidget()));
  show();
  raise();
  activateWindow();
  return true;
}

void THelpWindow::StayUsableBeside(QDialog* dialog) {
  // A modal dialog blocks every window but its own, so help asked for from one belongs to it
  // until it closes.
  if (!dialog || parentWidget() == dialog) {
    return;
  }
  const QRect bounds = geometry();
  setParent(dialog, Qt::Window);
  setGeometry(bounds);
  connect(
      dialog, &QDialog::finished, this,
      [this] {
        const bool shown = isVisible();
        const QRect bounds = geometry();
        setParent(nullptr, Qt::Window);
        setGeometry(bounds);
        setVisible(shown);
      },
      Qt::SingleShotConnection);
}

QString THelpWindow::Address() const {
  return FFile ? FFile->FileName() + QLatin1Char('>') + FWindowName : QString();
}

QString THelpWindow::CurrentTopic() const {
  return FBrowser->source().path();
}

void THelpWindow::SetHelpFile(std::unique_ptr<THelpFile> file) {
  FBrowser->SetHelpFile(file.get());
  FBrowser->clearHistory();
  FContents->clear();
  // The last item of each depth is the parent of the next deeper one.
  std::vector<QTreeWidgetItem*> parents;
  for (const THelpContentsEntry& entry : file->Contents()) {
    parents.resize(std::min<std::size_t>(parents.size(), entry.Depth));
    auto* item =
        parents.empty() ? new QTreeWidgetItem(FContents) : new QTreeWidgetItem(parents.back());
    item->setText(0, entry.Name);
    item->setData(0, Qt::UserRole, entry.Local);
    parents.push_back(item);
  }
  FContents->expandToDepth(0);
  FFile = std::move(file);
  findChild<QAction*>(QStringLiteral("HelpHome"))->setEnabled(true);
}

void THelpWindow::ShowPage(const QUrl& url) {
  if (FFile && FFile->Contains(url.path())) {
    FBrowser->setSource(url, QTextDocument::HtmlResource);
  } else {
    UserMessages::Show(this, QMessageBox::Warning,
                       tr("The help topic \"%1\" is not in the help file \"%2\".")
                           .arg(url.path().mid(1), FFile ? FFile->FileName() : QString()));
  }
}

void THelpWindow::PageChanged(const QUrl& page) {
  const QString title = FBrowser->documentTitle();
  setWindowTitle(title.isEmpty() ? tr("Logivane Help") : title);
  // The browser's own source is not yet the new page while it tells of it. A heading may open
  // the same page as its first entry; the entry says more.
  QTreeWidgetItem* shown = nullptr;
  for (QTreeWidgetItemIterator it(FContents); *it; ++it) {
    if (THelpFile::ArchivePath((*it)->data(0, Qt::UserRole).toString()) == page.path()) {
      shown = *it;
    }
  }
  const QSignalBlocker quiet(FContents);
  FContents->clearSelection();
  if (shown) {
    for (QTreeWidgetItem* parent = shown->parent(); parent; parent = parent->parent()) {
      parent->setExpanded(true);
    }
    FContents->setCurrentItem(shown);
    FContents->scrollToItem(shown);
  }
}

void THelpWindow::LinkClicked(const QUrl& url) {
  const QUrl target = FBrowser->source().resolved(url);
  const QString scheme = target.scheme().toLower();
  if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
      scheme == QLatin1String("mailto")) {
    QDesktopServices::openUrl(target);  // the pages' own links to the web and to mail
  } else if (!scheme.isEmpty()) {
    return;  // nothing else leaves the help file
  } else if (target.path() == CurrentTopic() && target.hasFragment()) {
    FBrowser->scrollToAnchor(target.fragment());
  } else {
    ShowPage(target);
  }
}

}  // namespace logivane
