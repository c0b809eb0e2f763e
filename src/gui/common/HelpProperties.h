#pragma once

class QWidget;

// What F1 asks the help file for is carried by the widgets themselves, so that the
// application-wide context help needs to know no window class. A form sets these
// as dynamic properties in its .ui file; code sets them with the functions below.
namespace helpproperty {

// The control id of a dialog's control; F1 asks for it while the control has the
// focus.
inline constexpr const char* ControlId = "controlId";
// A help context that takes the place of the control id (both language buttons
// explain the Language command). On a widget outside a dialog it is the context of
// everything inside it (the navigation bar).
inline constexpr const char* Context = "helpContext";
// On a dialog: the help file its topics are in, when not the run's.
inline constexpr const char* File = "helpFile";

void setControlId(QWidget* widget, int id);
void setContext(QWidget* widget, int context);

} // namespace helpproperty

// A widget whose help context depends on its state: the channel grid asks for the
// column of its open editor when the focus is in it.
class HelpContextSource {
public:
    virtual ~HelpContextSource() = default;
    virtual int helpContextFor(const QWidget* focus) const = 0;
};
