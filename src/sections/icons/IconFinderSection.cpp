#include "sections/icons/IconFinderSection.h"

#include "app/Layout.h"

#include <QVBoxLayout>

IconFinderSection::IconFinderSection(Notify notify, QWidget *parent) : QWidget(parent), m_notify(std::move(notify))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    layout->addWidget(sectionTitle(QStringLiteral("Icon Finder"), QStringLiteral("magnifyingglass"), this));
}
