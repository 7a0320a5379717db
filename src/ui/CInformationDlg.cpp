#include "ui/CInformationDlg.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "ui/QtChild.h"
#include "ui/StringTable.h"

namespace ql::ui {

namespace {
QLabel* Value(const QString& text, QWidget* parent) {
    auto* label = MakeChild<QLabel>(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return label;
}
}  // namespace

CInformationDlg::CInformationDlg(const QString& model, const QString& comment, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(Text(sid::kInformationTitle));
    auto* modelLabel = MakeChild<QLabel>(Text(sid::kModel) + QLatin1Char(':'), this);
    auto* commentLabel = MakeChild<QLabel>(Text(sid::kComment) + QLatin1Char(':'), this);
    model_ = Value(model.isEmpty() ? Text(sid::kUnknown) : model, this);
    comment_ = Value(comment, this);
    // Blanks count in the comment: a fixed-pitch face shows all sixteen characters (on two
    // lines' height), and the model beside it in the same face.
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    model_->setFont(fixed);
    comment_->setFont(fixed);
    comment_->setMinimumHeight(2 * comment_->fontMetrics().height());
    comment_->setMinimumWidth(comment_->fontMetrics().horizontalAdvance(QString(17, 'W')));
    comment_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    modelLabel->setBuddy(model_);
    commentLabel->setBuddy(comment_);
    // The values read as themselves; the buddy labels and descriptions say what they are.
    model_->setAccessibleDescription(Text(sid::kModel));
    comment_->setAccessibleDescription(Text(sid::kComment));

    auto* ok = MakeChild<QPushButton>(Text(sid::kOk), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = MakeChild<QGridLayout>(this);
    layout->addWidget(modelLabel, 0, 0, Qt::AlignTop);
    layout->addWidget(model_, 0, 1, Qt::AlignTop);
    layout->addWidget(commentLabel, 1, 0, Qt::AlignTop);
    layout->addWidget(comment_, 1, 1, Qt::AlignTop);
    layout->addWidget(ok, 2, 2, Qt::AlignBottom | Qt::AlignRight);
    layout->setColumnStretch(1, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString CInformationDlg::ModelText() const {
    return model_->text();
}

QString CInformationDlg::CommentText() const {
    return comment_->text();
}

}  // namespace ql::ui
