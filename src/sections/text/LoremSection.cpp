#include "sections/text/LoremSection.h"

#include "net/ClipboardService.h"
#include "widgets/InsetBox.h"
#include "widgets/Layout.h"
#include "widgets/SegmentedControl.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton *stepButton(const QString &text, const QString &name, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setText(text);
    button->setToolTip(name);
    button->setAccessibleName(name);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setFixedSize(Style::kMinimumTarget, Style::kMinimumTarget);
    button->setAutoRepeat(true);
    return button;
}

} // namespace

LoremSection::LoremSection(Notify notify, QWidget *parent) : QWidget(parent), m_notify(std::move(notify))
{
    using LoremService::Unit;

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(12);
    layout->addWidget(sectionTitle(tr("Lorem Ipsum"), QStringLiteral("text.alignleft"), this));

    auto *unitField = new QVBoxLayout;
    unitField->setSpacing(4);
    unitField->addWidget(fieldLabel(tr("Unit"), this));
    m_unitPicker = new SegmentedControl(tr("Unit"), this);
    QList<SegmentedControl::Segment> segments;
    for (Unit unit : LoremService::allUnits())
        segments.append({unitLabel(unit, 2)});
    m_unitPicker->setSegments(segments, int(LoremService::allUnits().indexOf(m_unit)));
    connect(m_unitPicker, &SegmentedControl::currentIndexChanged, this,
            [this](int index) { setUnit(LoremService::allUnits().at(index)); });
    unitField->addWidget(m_unitPicker);
    layout->addLayout(unitField);

    auto *countField = new QVBoxLayout;
    countField->setSpacing(4);
    countField->addWidget(fieldLabel(tr("Count"), this));
    auto *stepper = new QHBoxLayout;
    stepper->setSpacing(0);
    m_countLabel = new QLabel(this);
    m_countLabel->setFont(Style::font(Style::TextStyle::Callout));
    m_decrement = stepButton(QStringLiteral("\u2212"), tr("Decrease count"), this);
    m_increment = stepButton(QStringLiteral("+"), tr("Increase count"), this);
    connect(m_decrement, &QToolButton::clicked, this, [this] { setCount(m_count - 1); });
    connect(m_increment, &QToolButton::clicked, this, [this] { setCount(m_count + 1); });
    stepper->addWidget(m_countLabel);
    stepper->addStretch(1);
    stepper->addWidget(m_decrement);
    stepper->addWidget(m_increment);
    countField->addLayout(stepper);
    layout->addLayout(countField);

    auto *box = new InsetBox(this);
    box->setFixedHeight(120);
    auto *boxLayout = new QVBoxLayout(box);
    boxLayout->setContentsMargins(8, 8, 8, 8);
    m_preview = new QPlainTextEdit(box);
    m_preview->setReadOnly(true);
    m_preview->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_preview->setFrameShape(QFrame::NoFrame);
    m_preview->setFont(Style::font(Style::TextStyle::Subheadline));
    m_preview->setAccessibleName(tr("Preview"));
    m_preview->viewport()->setAutoFillBackground(false);
    m_preview->setAutoFillBackground(false);
    m_preview->document()->setDocumentMargin(0);
    m_preview->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_preview->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    boxLayout->addWidget(m_preview);
    layout->addWidget(box);

    auto *actions = new QHBoxLayout;
    actions->setSpacing(8);
    m_regenerate = borderedButton(tr("Regenerate"), QStringLiteral("arrow.clockwise"), ControlSize::Large, this);
    m_copy = borderedButton(tr("Copy"), QStringLiteral("doc.on.clipboard"), ControlSize::Large, this);
    for (QPushButton *button : {m_regenerate, m_copy}) {
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        actions->addWidget(button, 1);
    }
    connect(m_regenerate, &QPushButton::clicked, this, &LoremSection::regenerate);
    connect(m_copy, &QPushButton::clicked, this, &LoremSection::copy);
    layout->addLayout(actions);

    updateCountControls();
}

QString LoremSection::unitLabel(LoremService::Unit unit, int count)
{
    // Each form spelt out, so that a translation can give its own.
    switch (unit) {
    case LoremService::Unit::words:
        return count == 1 ? tr("Word") : tr("Words");
    case LoremService::Unit::sentences:
        return count == 1 ? tr("Sentence") : tr("Sentences");
    case LoremService::Unit::paragraphs:
        return count == 1 ? tr("Paragraph") : tr("Paragraphs");
    }
    return {};
}

void LoremSection::regenerate()
{
    // A press that shows the very text it replaced (one word can come again) would look like no press at
    // all: draw again, a few times at most.
    const QString before = m_text;
    for (int draw = 0; draw < 8 && m_text == before; ++draw)
        m_text = LoremService::generate(m_unit, m_count);
    m_preview->setPlainText(m_text);
}

void LoremSection::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_text.isEmpty())
        regenerate();
}

void LoremSection::setUnit(LoremService::Unit unit)
{
    m_unit = unit;
    m_unitPicker->setCurrentIndex(int(LoremService::allUnits().indexOf(unit)));
    updateCountControls();
    regenerate();
}

void LoremSection::setCount(int count)
{
    const int bounded = qBound(kMinimumCount, count, kMaximumCount);
    if (bounded == m_count)
        return;
    m_count = bounded;
    updateCountControls();
    regenerate();
}

void LoremSection::updateCountControls()
{
    m_countLabel->setText(QStringLiteral("%1 %2").arg(m_count).arg(unitLabel(m_unit, m_count)));
    m_decrement->setEnabled(m_count > kMinimumCount);
    m_increment->setEnabled(m_count < kMaximumCount);
}

void LoremSection::copy()
{
    ClipboardService::copy(m_text);
    m_notify(tr("Copied %1 %2").arg(m_count).arg(LoremService::rawValue(m_unit)));
}
