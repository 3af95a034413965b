#pragma once

#include "core/lorem/LoremService.h"
#include "sections/Notify.h"

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class SegmentedControl;

// The lorem tab: a unit, a count from 1 to 50, a preview of fresh text, Regenerate and Copy.
class LoremSection : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kMinimumCount = 1;
    static constexpr int kMaximumCount = LoremService::kMaximumCount;

    explicit LoremSection(Notify notify, QWidget *parent = nullptr);

    LoremService::Unit unit() const { return m_unit; }
    int count() const { return m_count; }
    QString text() const { return m_text; }

    // The count's label: "2 Paragraphs", "1 Word".
    static QString unitLabel(LoremService::Unit unit, int count);

    void regenerate();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void setUnit(LoremService::Unit unit);
    void setCount(int count);
    void copy();
    void updateCountControls();

    Notify m_notify;
    LoremService::Unit m_unit = LoremService::Unit::paragraphs;
    int m_count = 2;
    QString m_text;

    SegmentedControl *m_unitPicker;
    QLabel *m_countLabel;
    QToolButton *m_decrement;
    QToolButton *m_increment;
    QPlainTextEdit *m_preview;
    QPushButton *m_regenerate;
    QPushButton *m_copy;
};
