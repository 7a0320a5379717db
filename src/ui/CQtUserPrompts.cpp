#include "ui/CQtUserPrompts.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>

#include "ui/StringTable.h"

namespace ql::ui {

namespace {
// "\r\n" shows as one line break.
QString BoxText(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

int Exec(QWidget* owner, QMessageBox::Icon icon, const QString& text,
         QMessageBox::StandardButtons buttons, QMessageBox::StandardButton fallback) {
    QMessageBox box(icon, Text(sid::kAppTitle), BoxText(text), buttons, owner);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(fallback);
    box.setEscapeButton(buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel : fallback);
    return box.exec();
}
}  // namespace

CUserPrompts::Answer CQtUserPrompts::OkCancel(const QString& text) {
    const int answer = Exec(owner_, QMessageBox::Question, text,
                            QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
    return answer == QMessageBox::Ok ? Answer::kOk : Answer::kCancel;
}

CUserPrompts::Answer CQtUserPrompts::YesNoCancel(const QString& text) {
    const int answer =
        Exec(owner_, QMessageBox::Question, text,
             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Yes) return Answer::kYes;
    if (answer == QMessageBox::No) return Answer::kNo;
    return Answer::kCancel;
}

CUserPrompts::Answer CQtUserPrompts::YesNo(const QString& text) {
    QMessageBox box(QMessageBox::Warning, Text(sid::kAppTitle), BoxText(text),
                    QMessageBox::Yes | QMessageBox::No, owner_);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? Answer::kYes : Answer::kNo;
}

void CQtUserPrompts::Warning(const QString& text) {
    Exec(owner_, QMessageBox::Warning, text, QMessageBox::Ok, QMessageBox::Ok);
}

void CQtUserPrompts::WarningWithCause(const QString& text, const QString& cause) {
    QMessageBox box(QMessageBox::Warning, Text(sid::kAppTitle), BoxText(text), QMessageBox::Ok,
                    owner_);
    box.setInformativeText(cause);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
}

void CQtUserPrompts::Information(const QString& text) {
    Exec(owner_, QMessageBox::NoIcon, text, QMessageBox::Ok, QMessageBox::Ok);
}

QString CQtUserPrompts::BothCases(const QString& filter) {
    static const QRegularExpression patterns(QStringLiteral("\\(([^)]*)\\)"));
    const QRegularExpressionMatch match = patterns.match(filter);
    if (!match.hasMatch()) return filter;
    QStringList all;
    for (const QString& pattern : match.captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        for (const QString& variant : {pattern, pattern.toLower(), pattern.toUpper()}) {
            if (!all.contains(variant)) all.append(variant);
        }
    }
    QString result = filter;
    result.replace(match.capturedStart(1), match.capturedLength(1), all.join(QLatin1Char(' ')));
    return result;
}

std::optional<QString> CQtUserPrompts::OpenFile(const QString& filter, const QString& folder) {
    const QString name = QFileDialog::getOpenFileName(owner_, QString(), folder, BothCases(filter));
    if (name.isEmpty()) return std::nullopt;
    return name;
}

std::optional<QString> CQtUserPrompts::SaveFile(const QString& suggested, const QString& filter,
                                                const QString& extension, const QString& folder) {
    const QString start = folder.isEmpty() ? suggested : QDir(folder).filePath(suggested);
    QFileDialog dialog(owner_, QString(), start, BothCases(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QString suffix = extension;
    if (suffix.startsWith(QLatin1Char('.'))) suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace ql::ui
