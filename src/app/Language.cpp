#include "app/Language.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QWidget>

namespace logivane {

QString TCaptionTranslator::translate(const char* context, const char* source,
                                      const char* disambiguation, int n) const {
  if (source == nullptr || *source == '\0') {
    return {};
  }
  QMutexLocker lock(&FMutex);
  const QString text = FFile ? FFile->translate(context, source, disambiguation, n) : QString();
  const QString shown = text.isEmpty() ? QString::fromUtf8(source) : text;
  // Texts such as the run state are asked for at every step; most are known already.
  const auto known = FOrigins.constFind(shown);
  if (known == FOrigins.constEnd() || known->Source != source || known->Context != context ||
      known->Disambiguation != QByteArrayView(disambiguation)) {
    FOrigins.insert(shown, {QByteArray(context), QByteArray(source), QByteArray(disambiguation)});
  }
  return text;
}

void TCaptionTranslator::SetFile(std::unique_ptr<QTranslator> file) {
  QMutexLocker lock(&FMutex);
  FFile = std::move(file);
}

std::optional<TCaptionTranslator::TOrigin> TCaptionTranslator::OriginOf(
    const QString& shown) const {
  QMutexLocker lock(&FMutex);
  const auto found = FOrigins.constFind(shown);
  if (found == FOrigins.constEnd()) {
    return std::nullopt;
  }
  return *found;
}

TLanguage& TLanguage::Shared() {
  static TLanguage language;
  return language;
}

void TLanguage::Apply(const QString& code) {
  const QLocale locale = code.isEmpty() ? QLocale::system() : QLocale(code);
  auto own = std::make_unique<QTranslator>();
  FCurrent =
      own->load(locale, QStringLiteral("logivane"), QStringLiteral("_"), QStringLiteral(":/i18n"))
          ? own->language().left(2)
          : QStringLiteral("en");
  FOwn.SetFile(FCurrent == QLatin1String("en") ? nullptr : std::move(own));
  // Qt's dialogs speak the program's language, English included.
  if (FQt) {
    QCoreApplication::removeTranslator(FQt.get());
  }
  FQt = std::make_unique<QTranslator>();
  if (FQt->load(QLocale(FCurrent), QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(FQt.get());
  }
  // Ours is asked first, and installed once: it keeps what it has seen across languages.
  if (!FInstalled) {
    QCoreApplication::installTranslator(&FOwn);
    FInstalled = true;
  } else {
    QCoreApplication::removeTranslator(&FOwn);
    QCoreApplication::installTranslator(&FOwn);
  }
  for (QWidget* window : QApplication::topLevelWidgets()) {
    Relabel(*window);
  }
}

std::optional<QString> TLanguage::Again(const QString& shown) const {
  if (shown.isEmpty()) {
    return std::nullopt;
  }
  const auto origin = FOwn.OriginOf(shown);
  if (!origin) {
    return std::nullopt;
  }
  return QCoreApplication::translate(
      origin->Context.constData(), origin->Source.constData(),
      origin->Disambiguation.isEmpty() ? nullptr : origin->Disambiguation.constData());
}

void TLanguage::Relabel(QWidget& root) const {
  const auto relabel = [this](const QString& shown, const auto& set) {
    if (const std::optional<QString> text = Again(shown)) {
      set(*text);
    }
  };
  QList<QWidget*> widgets = root.findChildren<QWidget*>();
  widgets.prepend(&root);
  for (QWidget* widget : widgets) {
    relabel(widget->windowTitle(), [widget](const QString& t) { widget->setWindowTitle(t); });
    relabel(widget->toolTip(), [widget](const QString& t) { widget->setToolTip(t); });
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      relabel(label->text(), [label](const QString& t) { label->setText(t); });
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      relabel(button->text(), [button](const QString& t) { button->setText(t); });
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
      relabel(group->title(), [group](const QString& t) { group->setTitle(t); });
    }
  }
  // Menu titles are the texts of their menus' actions.
  for (QAction* action : root.findChildren<QAction*>()) {
    relabel(action->toolTip(), [action](const QString& t) { action->setToolTip(t); });
    relabel(action->text(), [action](const QString& t) { action->setText(t); });
  }
}

}  // namespace logivane
