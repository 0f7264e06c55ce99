#pragma once

#include <QColor>
#include <QFlags>
#include <QFont>
#include <QPalette>

#include <initializer_list>
#include <utility>

class QLabel;
class QWidget;

namespace forms {

// The two families the windows were drawn with.
enum class DesignFamily { Verdana, MsSansSerif };

enum class Emphasis { Plain = 0, Bold = 1, Underline = 2 };
Q_DECLARE_FLAGS(Emphases, Emphasis)
Q_DECLARE_OPERATORS_FOR_FLAGS(Emphases)

// A font of the design in the installed family that stands for it.
QFont designFont(DesignFamily family, qreal points, Emphases emphases = Emphasis::Plain);

// The light blue of the entry, result and about windows.
QColor lightBlue();

// The navy of the support window's frames.
QColor navy();

// Gives the widget the colours of its design, the same in every state; the
// roles not named stay the desktop's.
void paintInDesignColours(QWidget &widget, std::initializer_list<std::pair<QPalette::ColorRole, QColor>> colours);

// Pins the widget's button face to that of the classic light desktop, against
// which its design's text colour was chosen: a dark desktop's face would leave
// the text unreadable.
void pinClassicButtonFace(QWidget &widget);

// The site visit the entry and result windows offer: white, underlined.
void showAsWhiteLink(QLabel &label);

// The editions they offer: blue, bold and underlined on the classic button face.
void showAsOfferOnButtonFace(QLabel &label);

// Text boxes and buttons draw their frames from the window colour; these take
// the desktop's, not that of the coloured panel they sit on.
void frameInDesktopColours(std::initializer_list<QWidget *> widgets);

// Paints the faces of these buttons and lists flat in their button colour,
// opens the lists as plain drop-downs in their own colours, and sets the bold
// captions of these frames where the windows have always shown them: the
// application's DesignStyle draws them so.
void drawAsDesigned(std::initializer_list<QWidget *> widgets);

} // namespace forms
