#include "sections/color/ColorSection.h"

#include "app/Layout.h"

#include <QVBoxLayout>

ColorSection::ColorSection(Notify notify, RecentColorsStore &store, QWidget *parent)
    : QWidget(parent), m_notify(std::move(notify)), m_store(store)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    layout->addWidget(sectionTitle(QStringLiteral("Color Grabber"), QStringLiteral("eyedropper"), this));
}
