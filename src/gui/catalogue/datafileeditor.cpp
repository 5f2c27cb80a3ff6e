#include "catalogue/datafileeditor.h"

#include "catalogue/editordialogs.h"
#include "common/apptitle.h"
#include "common/messagesink.h"
#include "common/textutil.h"
#include "mainwindow/commandsurfaces.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextBlock>

namespace tolvarin {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Newly typed text stands out in red until the file is opened again.
const QColor kTypedColour(255, 0, 0);

QString encodingName(TextEncoding encoding)
{
    switch (encoding) {
        case TextEncoding::Utf8: return QStringLiteral("UTF-8");
        case TextEncoding::Utf8WithBom: return QStringLiteral("UTF-8 s BOM");
        case TextEncoding::Windows1250: return QStringLiteral("Windows-1250");
    }
    return QString();
}

QString errorText(ErrorCode error, const QString& reason)
{
    QString text = QString::number(errorNumber(error)) + QLatin1Char(' ') + errorDescription(error);
    if (!reason.isEmpty()) text += QStringLiteral(" (") + reason + QLatin1Char(')');
    return text;
}

// A key that writes a character (not an editing or cursor key, not a shortcut).
bool typesCharacter(const QKeyEvent* key)
{
    if (key->modifiers() & Qt::ControlModifier) return false;
    const QString text = key->text();
    return !text.isEmpty() && std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.isPrint(); });
}

}  // namespace

DataFileEditor::DataFileEditor(Window window, QWidget* parent)
    : QObject(parent), window_(std::move(window)), text_(new QPlainTextEdit(parent)), status_(new QLabel)
{
    text_->setObjectName(QStringLiteral("dataFileEditor"));
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);  // one record, one line
    text_->hide();
    text_->installEventFilter(this);
    connect(text_->document(), &QTextDocument::modificationChanged, this, [this] { showStatus(); });

    status_->setObjectName(QStringLiteral("editorStatus"));
    status_->setTextFormat(Qt::PlainText);
    status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);  // a long note never widens the window
    status_->setToolTip(QStringLiteral("Ctrl+S uloží soubor a znovu načte jednotky, Ctrl+W ukončí editaci."));
    window_.commands->statusBar()->addWidget(status_, 1);
    status_->hide();
}

bool DataFileEditor::isModified() const { return editing_ && text_->document()->isModified(); }

void DataFileEditor::open(DataFileKind file)
{
    if (editing_ && !confirmUnsavedChanges()) return;
    const QString path = file == DataFileKind::Main ? window_.files->mainPath : window_.files->userPath;
    const QString shownPath = QDir::toNativeSeparators(path);
    const DataFileRead read = readDataFileForEditing(path);
    if (read.status == DataFileRead::Status::Missing) {
        window_.messages->show(MessageIcon::Exclamation, QStringLiteral("Chyba otevření souboru"),
                               QStringLiteral("Soubor s daty na daném umístění ") + shownPath +
                                   QStringLiteral(" neexistuje."));
        return;
    }
    if (read.status == DataFileRead::Status::Failed) {
        window_.messages->show(MessageIcon::Exclamation, QStringLiteral("Chyba"),
                               QStringLiteral("Při otevírání souboru ") + shownPath + QStringLiteral(" nastala chyba ") +
                                   errorText(read.error, read.reason) +
                                   QStringLiteral(" v proceduře mnuEdit_Click.") + kCrLf + kCrLf +
                                   QStringLiteral("Zkontrolujte umístění datového souboru. Program bude dále pokračovat."));
        return;
    }

    file_ = file;
    path_ = path;
    original_ = read.file;
    encoding_ = read.file.encoding;
    if (!editing_) topicBefore_ = window_.currentTopic();
    text_->setPlainText(original_.lines.join(QLatin1Char('\n')));
    text_->setCurrentCharFormat(QTextCharFormat());
    text_->document()->setModified(false);
    statusNote_.clear();
    setEditing(true);
    window_.title->setText(QStringLiteral(" Editace souboru ") + shownPath);
    text_->raise();
    showTopic(window_.currentTopic());  // the lines of the topic on screen, when this file holds them
}

bool DataFileEditor::save()
{
    if (!editing_ || !writeText()) return false;
    window_.reload();
    return true;
}

bool DataFileEditor::writeText()
{
    QStringList lines;
    for (QTextBlock block = text_->document()->begin(); block.isValid(); block = block.next()) lines << block.text();
    const QString shownPath = QDir::toNativeSeparators(path_);
    if (original_.invalidUtf8Line > 0) {
        // The bytes that were not UTF-8 are shown as U+FFFD and would be
        // written so: the user decides before they are lost.
        const MessageAnswer answer = window_.messages->ask(
            MessageIcon::Question, appTitle(),
            joinLines({QStringLiteral("Soubor ") + shownPath + QStringLiteral(" má na řádku ") +
                           QString::number(original_.invalidUtf8Line) +
                           QStringLiteral(" bajty, které nejsou v kódování UTF-8; editor je ukazuje jako „\uFFFD“."),
                       QString(), QStringLiteral("Uložit soubor i s těmito znaky? Při volbě Ne se soubor neuloží.")}),
            MessageButtons::YesNo, MessageAnswer::No);
        if (answer != MessageAnswer::Yes) return false;
    }
    TextEncoding encoding = encoding_;
    EncodedDataFile encoded = encodeEditedFile(original_, lines, encoding);
    if (!encoded.ok()) {
        const MessageAnswer answer = window_.messages->ask(
            MessageIcon::Question, appTitle(),
            joinLines({QStringLiteral("Znak „") + encoded.badCharacter + QStringLiteral("“ na řádku ") +
                           QString::number(encoded.badLine) + QStringLiteral(" nelze zapsat v kódování ") +
                           encodingName(encoding_) + QStringLiteral(", ve kterém je soubor ") + shownPath +
                           QStringLiteral(" uložen."),
                       QString(), QStringLiteral("Uložit soubor v kódování UTF-8? Při volbě Ne se soubor neuloží.")}),
            MessageButtons::YesNo, MessageAnswer::No);
        if (answer != MessageAnswer::Yes) return false;
        encoding = TextEncoding::Utf8;
        encoded = encodeEditedFile(original_, lines, encoding);
        if (!encoded.ok()) return false;  // UTF-8 holds every character the box can hold
    }

    DataFileWrite written = writeDataFile(path_, encoded.bytes);
    if (written.status == DataFileWrite::Status::ReadOnly) written = writeCopy(encoded.bytes);
    if (written.status == DataFileWrite::Status::ReadOnly) {
        window_.messages->show(
            MessageIcon::Exclamation, QStringLiteral("Chyba"),
            QStringLiteral("Soubor ") + shownPath +
                QStringLiteral(" je jen pro čtení nebo leží ve složce, do které nemáte právo zapisovat. "
                               "Změny nebyly uloženy a zůstávají v editoru.") +
                kCrLf + kCrLf +
                QStringLiteral("Zkopírujte soubor do vlastní složky a v okně Možnosti (nabídka Nastavení>Možnosti) "
                               "vyberte cestu k této kopii."));
        return false;
    }
    if (written.status == DataFileWrite::Status::Failed) {
        window_.messages->show(MessageIcon::Exclamation, QStringLiteral("Chyba"),
                               QStringLiteral("Při ukládání souboru ") + shownPath + QStringLiteral(" nastala chyba ") +
                                   errorText(written.error, written.reason) + QLatin1Char('.') + kCrLf + kCrLf +
                                   QStringLiteral("Soubor nebyl uložen, upravený text zůstává v editoru."));
        return false;
    }
    encoding_ = encoding;
    original_ = {lines, encoded.lineEnds, encoding};
    text_->document()->setModified(false);
    return true;
}

// A file the user cannot write (an installed copy) is saved into the user's
// data folder, which is read from then on; the user is told where it went.
DataFileWrite DataFileEditor::writeCopy(const QByteArray& bytes)
{
    const QString copy = window_.copyPath ? window_.copyPath(QFileInfo(path_).fileName()) : QString();
    if (copy.isEmpty() || QFileInfo(copy).absoluteFilePath() == QFileInfo(path_).absoluteFilePath())
        return DataFileWrite{DataFileWrite::Status::ReadOnly, ErrorCode::PathAccess, QString()};
    QDir().mkpath(QFileInfo(copy).absolutePath());
    const DataFileWrite written = writeDataFile(copy, bytes);
    // Without a copy either, the file stays what it is: read-only.
    if (written.status != DataFileWrite::Status::Written)
        return DataFileWrite{DataFileWrite::Status::ReadOnly, ErrorCode::PathAccess, QString()};
    window_.messages->show(MessageIcon::Information, appTitle(),
                           joinLines({QStringLiteral("Soubor ") + QDir::toNativeSeparators(path_) +
                                          QStringLiteral(" nemůžete přepsat, proto byly úpravy uloženy do kopie ") +
                                          QDir::toNativeSeparators(copy) + QLatin1Char('.'),
                                      QString(), QStringLiteral("Program od nynějška načítá tuto kopii; původní "
                                                                "soubor zůstal beze změny.")}));
    path_ = copy;
    window_.fileMoved(file_, copy);
    window_.title->setText(QStringLiteral(" Editace souboru ") + QDir::toNativeSeparators(copy));
    return written;
}

void DataFileEditor::close()
{
    if (!editing_ || !confirmUnsavedChanges()) return;
    setEditing(false);
    text_->clear();
    window_.returnToTopic(topicBefore_);
}

bool DataFileEditor::confirmUnsavedChanges()
{
    if (!isModified()) return true;
    const MessageAnswer answer =
        window_.messages->ask(MessageIcon::Question, appTitle(),
                              QStringLiteral("Uložit změny v souboru ") + QDir::toNativeSeparators(path_) +
                                  QLatin1Char('?'),
                              MessageButtons::YesNoCancel, MessageAnswer::Yes);
    if (answer == MessageAnswer::Yes) return save();
    return answer == MessageAnswer::No;
}

void DataFileEditor::setEditing(bool editing)
{
    editing_ = editing;
    // What the window ends for editing (a recording) must not switch its
    // commands back on afterwards.
    if (editing) window_.modeChanged(true);
    window_.commands->setEditorMode(editing);
    for (const StatusPanelInfo& info : statusPanels()) window_.commands->panel(info.panel)->setVisible(!editing);
    status_->setVisible(editing);
    text_->setVisible(editing);
    showStatus();
    if (!editing) window_.modeChanged(false);
}

void DataFileEditor::showStatus()
{
    if (!editing_) return;
    QString text = file_ == DataFileKind::Main ? QStringLiteral("Hlavní soubor") : QStringLiteral("Uživatelský soubor");
    text += QStringLiteral(" · ") + encodingName(encoding_);
    if (text_->document()->isModified()) text += QStringLiteral(" · neuloženo");
    if (!statusNote_.isEmpty()) text += QStringLiteral(" · ") + statusNote_;
    status_->setText(text);
}

void DataFileEditor::showTopic(int slot)
{
    if (!editing_) return;
    QStringList lines;
    for (QTextBlock block = text_->document()->begin(); block.isValid(); block = block.next()) lines << block.text();
    const int line = topicLine(lines, topicNumberInFile(file_, slot));
    if (line >= 0) {
        QTextCursor caret(text_->document()->findBlockByNumber(line));
        text_->setTextCursor(caret);
        text_->verticalScrollBar()->setValue(line);  // the topic's first line at the top
    }
    text_->setFocus();
}

void DataFileEditor::find()
{
    if (!editing_) return;
    const std::optional<QString> wanted = window_.dialogs->askFindText(text_);
    if (wanted && !wanted->isEmpty()) {
        const QTextCursor caret = text_->textCursor();
        const int from = caret.selectionStart() + (caret.hasSelection() ? 1 : 0);
        const QTextCursor found = text_->document()->find(*wanted, from);
        if (found.isNull()) {
            statusNote_ = QStringLiteral("Text „") + *wanted + QStringLiteral("“ nebyl nalezen.");
        } else {
            statusNote_.clear();
            text_->setTextCursor(found);
        }
        showStatus();
    }
    text_->setFocus();
}

std::optional<EditorFont> DataFileEditor::chooseFont()
{
    const std::optional<QFont> chosen = window_.dialogs->chooseFont(text_->font(), text_->window());
    if (!chosen) return std::nullopt;
    // A font measured in pixels is kept by the points it has on this screen.
    const double points =
        chosen->pointSizeF() > 0 ? chosen->pointSizeF() : chosen->pixelSize() * 72.0 / text_->logicalDpiY();
    const EditorFont font{chosen->family(), float(points), chosen->bold(), chosen->italic()};
    setFont(font);
    return font;
}

void DataFileEditor::setFont(const EditorFont& font)
{
    QFont shown = QFontDatabase::hasFamily(font.name) ? QFont(font.name)
                                                      : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (font.pointSize > 0) shown.setPointSizeF(font.pointSize);
    shown.setBold(font.bold);
    shown.setItalic(font.italic);
    text_->setFont(shown);
}

void DataFileEditor::setGeometry(const QRect& rect) { text_->setGeometry(rect); }

bool DataFileEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == text_) {
        const bool typing =
            (event->type() == QEvent::KeyPress && typesCharacter(static_cast<QKeyEvent*>(event))) ||
            (event->type() == QEvent::InputMethod && !static_cast<QInputMethodEvent*>(event)->commitString().isEmpty());
        if (typing) {
            QTextCharFormat typed;
            typed.setForeground(kTypedColour);
            text_->mergeCurrentCharFormat(typed);
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tolvarin
