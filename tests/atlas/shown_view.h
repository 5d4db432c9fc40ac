#pragma once

#include "app/tarnwell_doc.h"
#include "view/tarnwell_view.h"

// The program's view shown at `size` and, unless told otherwise, initialised as at start-up.
struct ShownView {
    CTarnwellDoc document;
    CTarnwellView view{&document};

    explicit ShownView(QSize size, bool initialise = true) {
        view.resize(size);
        view.show();
        if (initialise)
            view.OnInitialUpdate();
    }
};
