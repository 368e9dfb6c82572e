#pragma once
// A form, as the run-time face sees it: its name, its controls and how wide a text is in its font.
#include "runtime/clsControl.h"

#include <QString>
#include <functional>

namespace tralyx {

struct udtFormLayout;  // store/udtFormLayout.h

class clsForm {
public:
    virtual ~clsForm() = default;

    virtual QString Name() const = 0;
    // Calls pfnVisit for every control of the form, each once, in the form's own order. The
    // control passed lives for the duration of the call.
    virtual void Controls(const std::function<void(clsControl&)>& pfnVisit) = 0;
    // The width of the text in the form's font, in twips.
    virtual float TextWidth(const QString& pstrText) const = 0;
};

// How a binding tells the layout of the forms it makes (the Qt binding installs one): false for a
// form it does not know. BuildFormTextList writes the layout of such a form beside its text file,
// "<form>.layout.json", for the check of whether translations fit; null: none.
using FormLayoutReader = bool (*)(clsForm& pfrmForm, udtFormLayout& pudtLayout);
void SetFormLayoutReader(FormLayoutReader pfnReader);

}  // namespace tralyx
