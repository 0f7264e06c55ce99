#include "reading/EntryPanel.h"

#include "app/Look.h"

EntryPanel::EntryPanel(QWidget *parent)
    : QWidget(parent)
{
    setFont(app::designFont(app::DesignFamily::Verdana, 8.25));
}
