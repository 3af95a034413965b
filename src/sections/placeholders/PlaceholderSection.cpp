#include "sections/placeholders/PlaceholderSection.h"

#include "net/ClipboardService.h"
#include "sections/DownloadNotice.h"
#include "widgets/Layout.h"
#include "widgets/SegmentedControl.h"
#include "widgets/Spinner.h"
#include "widgets/SymbolIcons.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

using namespace PlaceholderService;

namespace {

constexpr int kDefaultPresetWidth = 400;

// A caption and its control, 4 points apart.
QWidget *field(const QString &label, QWidget *control, QWidget *parent)
{
    auto *box = new QWidget(parent);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(fieldLabel(label, box));
    control->setParent(box);
    layout->addWidget(control);
    return box;
}

QWidget *row(QWidget *parent)
{
    auto *widget = new QWidget(parent);
    auto *layout = new QHBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    return widget;
}

} // namespace

PlaceholderSection::PlaceholderSection(Notify notify, QWidget *parent) : QWidget(parent), m_notify(std::move(notify))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    layout->addWidget(sectionTitle(tr("Instant Placeholders"), QStringLiteral("photo"), this));

    m_sourcePicker = new SegmentedControl(tr("Source"), this);
    QList<SegmentedControl::Segment> sources;
    for (Source source : allSources())
        sources.append({title(source)});
    m_sourcePicker->setSegments(sources, int(allSources().indexOf(m_source)));
    connect(m_sourcePicker, &SegmentedControl::currentIndexChanged, this,
            [this](int index) { setSource(allSources().at(index)); });
    layout->addWidget(field(tr("Source"), m_sourcePicker, this));

    // Size: a preset picker with "Custom", or two fields with a way back.
    m_sizeModes = new QStackedWidget(this);
    QWidget *presetRow = row(m_sizeModes);
    m_presetPicker = new QComboBox(presetRow);
    m_presetPicker->setAccessibleName(tr("Size"));
    for (const Resolution &preset : presets())
        m_presetPicker->addItem(preset.label());
    const auto initial = std::find_if(presets().begin(), presets().end(),
                                      [](const Resolution &r) { return r.width == kDefaultPresetWidth; });
    m_presetPicker->setCurrentIndex(int(initial - presets().begin()));
    m_presetPicker->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto *custom = borderedButton(tr("Custom"), QString(), ControlSize::Regular, presetRow);
    custom->setToolTip(tr("Enter a custom width and height"));
    connect(custom, &QPushButton::clicked, this, [this] { setCustom(true); });
    presetRow->layout()->addWidget(m_presetPicker);
    presetRow->layout()->addWidget(custom);
    m_sizeModes->addWidget(presetRow);

    QWidget *customRow = row(m_sizeModes);
    m_customWidth = new QLineEdit(customRow);
    m_customWidth->setPlaceholderText(tr("W"));
    m_customWidth->setAccessibleName(tr("Width"));
    auto *times = new QLabel(QStringLiteral("\u00D7"), customRow);
    Style::applyTone(times, Style::Tone::Secondary);
    m_customHeight = new QLineEdit(customRow);
    m_customHeight->setPlaceholderText(tr("H"));
    m_customHeight->setAccessibleName(tr("Height"));
    auto *back = new QToolButton(customRow);
    back->setIcon(SymbolIcons::icon(QStringLiteral("list.bullet")));
    back->setToolTip(tr("Back to predefined sizes"));
    back->setAccessibleName(back->toolTip());
    back->setFocusPolicy(Qt::StrongFocus);
    connect(back, &QToolButton::clicked, this, [this] { setCustom(false); });
    customRow->layout()->addWidget(m_customWidth);
    customRow->layout()->addWidget(times);
    customRow->layout()->addWidget(m_customHeight);
    customRow->layout()->addWidget(back);
    m_sizeModes->addWidget(customRow);
    m_sizeModes->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    layout->addWidget(field(tr("Size"), m_sizeModes, this));

    // Seed and style: only for avatars, keeping their values while another source is shown.
    m_avatarFields = new QWidget(this);
    auto *avatarLayout = new QVBoxLayout(m_avatarFields);
    avatarLayout->setContentsMargins(0, 0, 0, 0);
    avatarLayout->setSpacing(10);
    m_seed = new QLineEdit(QStringLiteral("Tessellon"));
    m_seed->setPlaceholderText(tr("Any text \u2014 changes the avatar"));
    m_seed->setAccessibleName(tr("Seed"));
    avatarLayout->addWidget(field(tr("Seed"), m_seed, m_avatarFields));
    m_stylePicker = new QComboBox;
    m_stylePicker->setAccessibleName(tr("Style"));
    m_stylePicker->addItems(avatarStyles());
    avatarLayout->addWidget(field(tr("Style"), m_stylePicker, m_avatarFields));
    m_avatarFields->hide();
    layout->addWidget(m_avatarFields);

    m_formatPicker = new SegmentedControl(tr("Format"), this);
    connect(m_formatPicker, &SegmentedControl::currentIndexChanged, this,
            [this](int index) { m_format = supportedFormats(m_source).at(index); });
    layout->addWidget(field(tr("Format"), m_formatPicker, this));
    updateFormatPicker();

    auto *actions = new QHBoxLayout;
    actions->setSpacing(8);
    auto *copy = borderedButton(tr("Copy URL"), QStringLiteral("link"), ControlSize::Regular, this);
    m_downloadButton = borderedButton(tr("Download"), QStringLiteral("arrow.down.circle"), ControlSize::Regular, this);
    for (QPushButton *button : {copy, m_downloadButton}) {
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        actions->addWidget(button, 1);
    }
    m_spinner = new Spinner(14, m_downloadButton);
    m_spinner->keepCentred();
    m_spinner->hide();
    connect(copy, &QPushButton::clicked, this, &PlaceholderSection::copyURL);
    connect(m_downloadButton, &QPushButton::clicked, this, &PlaceholderSection::download);
    layout->addLayout(actions);
}

std::optional<Request> PlaceholderSection::request() const
{
    qint64 width = 0;
    qint64 height = 0;
    if (m_isCustom) {
        const auto w = parseDimension(m_customWidth->text());
        const auto h = parseDimension(m_customHeight->text());
        if (!w || !h)
            return std::nullopt;
        width = *w;
        height = *h;
    } else {
        const Resolution &preset = presets().at(m_presetPicker->currentIndex());
        width = preset.width;
        height = preset.height;
    }
    return Request{m_source, width, height, m_format, m_seed->text(), m_stylePicker->currentText()};
}

void PlaceholderSection::copyURL()
{
    const auto current = request();
    if (!current) {
        m_notify(tr("Enter a valid width and height"));
        return;
    }
    const QString text = url(*current);
    ClipboardService::copy(text);
    m_notify(tr("Copied ") + text);
}

void PlaceholderSection::download()
{
    const auto current = request();
    if (!current) {
        m_notify(tr("Enter a valid width and height"));
        return;
    }
    if (m_isDownloading)
        return;
    setDownloading(true);
    // The download outlives a tab switch: it reports through the panel's notify, and touches this section
    // only if it still exists.
    QPointer<PlaceholderSection> self(this);
    const Notify notify = m_notify;
    PlaceholderService::download(*current, QCoreApplication::instance(), [self, notify](const DownloadResult &result) {
        if (const auto *saved = std::get_if<DownloadsFolder::Saved>(&result)) {
            announceSaved(*saved, notify);
        } else {
            notify(tr("Download failed \u2014 ") + std::get<DownloadError>(result).description());
        }
        if (self)
            self->setDownloading(false);
    });
}

void PlaceholderSection::setSource(Source source)
{
    m_source = source;
    const QList<Format> formats = supportedFormats(source);
    if (!formats.contains(m_format))
        m_format = formats.first();
    updateFormatPicker();
    m_avatarFields->setVisible(source == Source::avatar);
}

void PlaceholderSection::setCustom(bool custom)
{
    m_isCustom = custom;
    m_sizeModes->setCurrentIndex(custom ? 1 : 0);
    // Keyboard users land in the control they just switched to.
    if (custom)
        m_customWidth->setFocus();
    else
        m_presetPicker->setFocus();
}

void PlaceholderSection::setDownloading(bool downloading)
{
    m_isDownloading = downloading;
    showBusy(m_downloadButton, m_spinner, downloading, tr("Download"), QStringLiteral("arrow.down.circle"));
}

void PlaceholderSection::updateFormatPicker()
{
    QList<SegmentedControl::Segment> segments;
    const QList<Format> formats = supportedFormats(m_source);
    for (Format format : formats)
        segments.append({rawValue(format).toUpper()});
    m_formatPicker->setSegments(segments, int(formats.indexOf(m_format)));
}
