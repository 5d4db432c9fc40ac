#pragma once

#include "app/tarnwell_doc.h"
#include "view/tarnwell_view.h"

#include <QSize>

// The program's view, shown at a given size and initialised as at start-up, so that it has its Trekbuddy map
// and the map state points at it.
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
