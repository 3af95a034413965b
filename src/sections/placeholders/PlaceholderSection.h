#pragma once

#include "net/PlaceholderService.h"
#include "sections/Notify.h"

#include <QWidget>

#include <optional>

class QComboBox;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class SegmentedControl;
class Spinner;

// The placeholders tab: a source, a size (preset or custom), an avatar's seed and style, a format; then
// Copy URL or Download.
class PlaceholderSection : public QWidget
{
    Q_OBJECT

public:
    explicit PlaceholderSection(Notify notify, QWidget *parent = nullptr);

    PlaceholderService::Source source() const { return m_source; }
    PlaceholderService::Format format() const { return m_format; }
    bool isCustom() const { return m_isCustom; }
    bool isDownloading() const { return m_isDownloading; }
    // None while the custom size is not a valid width and height.
    std::optional<PlaceholderService::Request> request() const;

    void copyURL();
    void download();

private:
    void setSource(PlaceholderService::Source source);
    void setCustom(bool custom);
    void setDownloading(bool downloading);
    void updateFormatPicker();

    Notify m_notify;
    PlaceholderService::Source m_source = PlaceholderService::Source::placeholder;
    PlaceholderService::Format m_format = PlaceholderService::Format::png;
    bool m_isCustom = false;
    bool m_isDownloading = false;

    SegmentedControl *m_sourcePicker;
    QStackedWidget *m_sizeModes;
    QComboBox *m_presetPicker;
    QLineEdit *m_customWidth;
    QLineEdit *m_customHeight;
    QWidget *m_avatarFields;
    QLineEdit *m_seed;
    QComboBox *m_stylePicker;
    SegmentedControl *m_formatPicker;
    QPushButton *m_downloadButton;
    Spinner *m_spinner;
};
