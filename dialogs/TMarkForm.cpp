// The window "Оценка действий".

#include "TMarkForm.h"

#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "ui/Fonts.h"
#include "ui/Widgets.h"

using ui::Face;

namespace {

// A push button whose glyph and caption stand as one centred group with a chosen gap between
// them; the styles keep their own, narrower gap.
class SpacedGlyphButton : public QPushButton {
public:
    SpacedGlyphButton(QWidget* parent, const QString& caption, const QString& glyph, int spacing)
        : QPushButton(caption, parent), spacing(spacing) {
        const QString base = QStringLiteral(":/assets/") + glyph;
        setIcon(ui::GlyphIcon(base + QStringLiteral(".svg"), base + QStringLiteral("_disabled.svg"),
                              QSize(18, 18)));
        setIconSize(QSize(18, 18));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter p(this);
        QStyleOptionButton opt;
        initStyleOption(&opt);
        p.drawControl(QStyle::CE_PushButtonBevel, opt);

        QRect r = style()->subElementRect(QStyle::SE_PushButtonContents, &opt, this);
        if (opt.state & (QStyle::State_Sunken | QStyle::State_On))
            r.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &opt, this),
                        style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &opt, this));
        const QSize glyph = iconSize();
        const int textWidth = fontMetrics().horizontalAdvance(text());
        const int left = r.left() + (r.width() - (glyph.width() + spacing + textWidth)) / 2;
        const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
        p.drawPixmap(left, r.top() + (r.height() - glyph.height()) / 2,
                     icon().pixmap(glyph, devicePixelRatio(), mode));
        const QRect textRect(left + glyph.width() + spacing, r.top(), textWidth + 1, r.height());
        p.drawItemText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
                       opt.palette, isEnabled(), text(), QPalette::ButtonText);

        if (opt.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(opt);
            focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &opt, this);
            p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
    }

private:
    int spacing;
};

const QString ResultLine = QStringLiteral("с задачей обеспечения качества");
const QString JulyLine = QStringLiteral("воды в течении июля.");

QString CountLine(int points) {
    return QStringLiteral("Количество штрафных баллов - ") + QString::number(points);
}

}  // namespace

TMarkForm::TMarkForm(QWidget* parent)
    : ui::TForm(parent, QStringLiteral("Оценка действий"), QSize(346, 184)) {
    setObjectName(QStringLiteral("MarkForm"));

    Memo1 = new QTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(8, 8, 329, 97);
    Memo1->setReadOnly(true);
    Memo1->setFrameStyle(QFrame::Box | QFrame::Plain);  // a flat, single-line border
    Memo1->setLineWidth(1);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setLineWrapMode(QTextEdit::WidgetWidth);
    Memo1->document()->setDocumentMargin(2);
    Memo1->setFont(ui::Font(Face::Impact, 16));
    QPalette navy = Memo1->palette();
    navy.setColor(QPalette::Text, ui::clNavy);
    Memo1->setPalette(navy);
    // Not reached by Tab; a click may still put the caret there, and Enter then still presses
    // the default button.
    Memo1->setFocusPolicy(Qt::ClickFocus);
    Memo1->setTabChangesFocus(true);

    btnNewGame = new SpacedGlyphButton(this, QStringLiteral("Новая игра"), QStringLiteral("newgame"), 8);
    btnNewGame->setObjectName(QStringLiteral("btnNewGame"));
    btnNewGame->setGeometry(104, 144, 129, 33);
    btnNewGame->setDefault(true);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(128, 112, 83, 20);
    Label1->setFont(ui::Font(Face::MsSansSerif, 16, true));
    QPalette red = Label1->palette();
    red.setColor(QPalette::WindowText, ui::clRed);
    Label1->setPalette(red);

    connect(btnNewGame, &QPushButton::clicked, this, &TMarkForm::accept);
}

void TMarkForm::reject() { accept(); }

void TMarkForm::AddLine(const QString& line) {
    QTextCursor c(Memo1->document());
    c.movePosition(QTextCursor::End);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    if (memoLineCount == 0)
        c.setBlockFormat(centred);
    else
        c.insertBlock(centred);
    c.insertText(line);
    ++memoLineCount;
}

QStringList TMarkForm::MemoLines() const {
    QStringList lines;
    if (memoLineCount == 0) return lines;
    for (QTextBlock b = Memo1->document()->begin(); b.isValid(); b = b.next()) lines << b.text();
    return lines;
}

void TMarkForm::ShowGrade(int PenaltyPoints) {
    Memo1->clear();
    memoLineCount = 0;

    QString grade;
    if (PenaltyPoints == 0) {
        AddLine(QStringLiteral("Вы отлично справились"));
        AddLine(ResultLine);
        AddLine(JulyLine);
        AddLine(QStringLiteral("У Вас нет штрафных баллов."));
        grade = QStringLiteral("5");
    } else if (PenaltyPoints <= 10) {
        AddLine(QStringLiteral("Вы успешно справились"));
        AddLine(ResultLine);
        AddLine(JulyLine);
        AddLine(CountLine(PenaltyPoints));
        grade = QStringLiteral("4");
    } else if (PenaltyPoints < 16) {
        AddLine(QStringLiteral("Вы неплохо справились"));
        AddLine(ResultLine);
        AddLine(JulyLine);
        AddLine(CountLine(PenaltyPoints));
        grade = QStringLiteral("3");
    } else if (PenaltyPoints == 16) {
        AddLine(QStringLiteral("Вы не справились с задачей"));
        AddLine(QStringLiteral("обеспечения качества воды в течении"));
        AddLine(QStringLiteral("июля. Вы отстраняетесь от"));
        AddLine(QStringLiteral("должности диспетчера."));
        grade = QStringLiteral("2");
    }
    if (!grade.isEmpty()) Label1->setText(QStringLiteral("Оценка: ") + grade);
    Memo1->moveCursor(QTextCursor::Start);

    // The first control in the tab order has the keyboard at every showing.
    btnNewGame->setFocus();
    ShowModal();
}
