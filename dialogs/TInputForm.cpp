// The window "Ввод данных": the five decisions of the next cycle.

#include "TInputForm.h"

#include <QEvent>
#include <QPalette>
#include <QShowEvent>

#include <limits>

#include "Lake.h"
#include "ui/Fonts.h"
#include "ui/MessageBox.h"
#include "ui/Widgets.h"

std::int32_t InputValid = 0;

// ---------------------------------------------------------------------------------------------
// Text to integer

std::int32_t StrToInt(const QString& text) {
    const auto fail = [&text]() -> std::int32_t {
        throw EConvertError(
            QStringLiteral("'%1' is not a valid integer value").arg(text).toStdString());
    };
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text.at(i) == QLatin1Char(' ')) ++i;
    bool negative = false;
    if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    if (i == n) return fail();  // empty, only blanks, or a lone sign
    // Accumulate as a negative number so that the smallest 32-bit value fits too.
    std::int64_t value = 0;
    for (; i < n; ++i) {
        const QChar c = text.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return fail();
        value = value * 10 - (c.unicode() - '0');
        if (value < std::numeric_limits<std::int32_t>::min()) return fail();
    }
    if (!negative) {
        value = -value;
        if (value > std::numeric_limits<std::int32_t>::max()) return fail();
    }
    return static_cast<std::int32_t>(value);
}

// ---------------------------------------------------------------------------------------------
// The general error report

void RunHandler(QWidget* parent, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        QString text = QString::fromStdString(e.what());
        // The report ends every message with a full stop.
        if (!text.isEmpty() && !text.endsWith(QLatin1Char('.'))) text += QLatin1Char('.');
        ui::MessageBox(parent, text, QString(), ui::MB_OK + ui::MB_ICONERROR);
    }
}

// ---------------------------------------------------------------------------------------------
// The dialog

namespace {

// Field limits and hints, in the order of the decisions.
struct FieldRule {
    int maxLength;
    const char* hint;
};

const FieldRule FieldRules[5] = {
    {4, "Допустимые значения: от 0 до 5000 м.куб."},
    {4, "Допустимые значения: от 0 до 5000 м.куб."},
    {2, "Допустимые значения: от 0 до 10 мг/л"},
    {2, "Допустимые значения: от 0 до 10 мг/л"},
    {2, "Допустимые значения: от 3 до 10 суток"},
};

const char* const HintOk = "Принять введенные значения";
const char* const HintCancel = "Отменить ввод";

// Puts the focus on an edit box and selects its text, so that typing replaces it.
void FocusEdit(QLineEdit* e) {
    e->setFocus(Qt::OtherFocusReason);
    e->selectAll();
}

}  // namespace

TInputForm::TInputForm(QWidget* parent)
    : ui::TForm(parent, QStringLiteral("Ввод данных"), QSize(414, 221),
                ui::TForm::Border::SingleNoClose) {
    setObjectName(QStringLiteral("InputForm"));

    Panel1 = new ui::TPanel(this, ui::TPanel::Bevel::Raised, ui::TPanel::Bevel::Lowered);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, 414, 221);

    const QFont labelFont = ui::Font(ui::Face::Impact, 16);
    const auto label = [&](const char* name, const char* caption, int top, int width) {
        auto* l = new QLabel(QString::fromUtf8(caption), Panel1);
        l->setObjectName(QString::fromLatin1(name));
        l->setFont(labelFont);
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, ui::clNavy);
        l->setPalette(pal);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->setGeometry(16, top, width, 20);
        return l;
    };
    Label1 = label("Label1", "Откачка загрязненной воды:", 16, 202);
    Label2 = label("Label2", "Подкачка чистой воды в зону 1:", 40, 219);
    Label3 = label("Label3", "Аэрация в зоне 2:", 64, 118);
    Label4 = label("Label4", "Аэрация в зоне 3:", 88, 118);
    Label5 = label("Label5", "Длительность следующего цикла:", 112, 241);

    const auto edit = [&](const char* name, int index, int top) {
        auto* e = new QLineEdit(Panel1);
        e->setObjectName(QString::fromLatin1(name));
        e->setMaxLength(FieldRules[index].maxLength);
        e->setGeometry(272, top, 121, 21);
        e->installEventFilter(this);
        return e;
    };
    Edit1 = edit("Edit1", 0, 16);
    Edit2 = edit("Edit2", 1, 40);
    Edit3 = edit("Edit3", 2, 64);

    btnOk = ui::OkButton(Panel1);
    btnOk->setGeometry(232, 176, 75, 25);
    btnOk->setFont(ui::Font(ui::Face::MsSansSerif, 11));
    btnOk->setDefault(true);
    btnOk->installEventFilter(this);
    connect(btnOk, &QPushButton::clicked, this, [this] { RunHandler(this, [this] { btnOkClick(); }); });

    Edit4 = edit("Edit4", 3, 88);
    Edit5 = edit("Edit5", 4, 112);

    btnCancel = ui::CancelButton(Panel1);
    btnCancel->setGeometry(320, 176, 75, 25);
    btnCancel->installEventFilter(this);
    connect(btnCancel, &QPushButton::clicked, this, &TInputForm::reject);
    setCancelButton(btnCancel);

    // The hint line: read-only, white bold text on teal; a click may focus it, Tab never does.
    Edit6 = new QLineEdit(Panel1);
    Edit6->setObjectName(QStringLiteral("Edit6"));
    Edit6->setReadOnly(true);
    Edit6->setFocusPolicy(Qt::ClickFocus);
    Edit6->setFont(ui::Font(ui::Face::MsSansSerif, 12, true));
    QPalette hintPal = Edit6->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        hintPal.setColor(group, QPalette::Base, QColor(0, 128, 128));
        hintPal.setColor(group, QPalette::Text, Qt::white);
    }
    Edit6->setPalette(hintPal);
    Edit6->setGeometry(16, 144, 377, 21);

    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, Edit3);
    setTabOrder(Edit3, Edit4);
    setTabOrder(Edit4, Edit5);
    setTabOrder(Edit5, Edit6);
    setTabOrder(Edit6, btnOk);
    setTabOrder(btnOk, btnCancel);
}

QLineEdit* TInputForm::Field(int index) const {
    QLineEdit* const fields[5] = {Edit1, Edit2, Edit3, Edit4, Edit5};
    return fields[index];
}

void TInputForm::Execute(tarnova::GameState& g) {
    Edit1->setText(QString::number(g.PumpOut));
    Edit2->setText(QString::number(g.PumpIn));
    Edit3->setText(QString::number(g.AerationZone2));
    Edit4->setText(QString::number(g.AerationZone3));
    Edit5->setText(QString::number(g.CycleLength));
    accepted = false;
    ShowModal();
    if (!accepted) return;
    // The check that accepted the dialog converted these same texts, so none of them fails here.
    tarnova::Decisions d{};
    for (int i = 0; i < 5; ++i) d[i] = StrToInt(Field(i)->text());
    tarnova::ApplyDecisions(g, d);
}

void TInputForm::btnOkClick() {
    InputValid = 1;
    for (int i = 0; i < 5; ++i) {
        // A text that is not a number ends the check here, through the general error report.
        const std::int32_t value = StrToInt(Field(i)->text());
        const tarnova::DecisionRange& range = tarnova::DecisionRanges[i];
        if (value > range.max || value < range.min) InputValid = 0;
    }
    if (InputValid == 1) {
        accepted = true;
        accept();
        return;
    }
    ui::MessageBox(this, QStringLiteral("Не корректный ввод!"), QString(), ui::MB_OK);
    InputValid = 1;
    FocusEdit(Edit1);
}

void TInputForm::Edit1Enter() { Edit6->setText(QString::fromUtf8(FieldRules[0].hint)); }
void TInputForm::Edit2Enter() { Edit6->setText(QString::fromUtf8(FieldRules[1].hint)); }
void TInputForm::Edit3Enter() { Edit6->setText(QString::fromUtf8(FieldRules[2].hint)); }
void TInputForm::Edit4Enter() { Edit6->setText(QString::fromUtf8(FieldRules[3].hint)); }
void TInputForm::Edit5Enter() { Edit6->setText(QString::fromUtf8(FieldRules[4].hint)); }
void TInputForm::btnOkEnter() { Edit6->setText(QString::fromUtf8(HintOk)); }
void TInputForm::btnCancelEnter() { Edit6->setText(QString::fromUtf8(HintCancel)); }

void TInputForm::FormActivate() {
    InputValid = 1;
    FocusEdit(Edit1);
}

void TInputForm::showEvent(QShowEvent* e) {
    ui::TForm::showEvent(e);
    if (!e->spontaneous()) FormActivate();
}

bool TInputForm::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::FocusIn) {
        if (watched == Edit1) Edit1Enter();
        else if (watched == Edit2) Edit2Enter();
        else if (watched == Edit3) Edit3Enter();
        else if (watched == Edit4) Edit4Enter();
        else if (watched == Edit5) Edit5Enter();
        else if (watched == btnOk) btnOkEnter();
        else if (watched == btnCancel) btnCancelEnter();
    }
    return ui::TForm::eventFilter(watched, e);
}
