#include "reading/EntryPanel.h"

#include "forms/look/Look.h"

namespace reading {

EntryPanel::EntryPanel(QWidget *parent)
    : QWidget(parent)
{
    setFont(forms::designFont(forms::DesignFamily::Verdana, 8.25));
}

} // namespace reading
