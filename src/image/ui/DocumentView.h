// What the file commands need of the window that shows the document: the channel form that Save
// writes into the image, and a fresh showing once New or Open has replaced the document.
#pragma once

#include "grid/ChannelForm.h"

namespace tevano {

class DocumentView {
public:
    virtual ~DocumentView() = default;

    // The grid and the three lists, as Save encodes them.
    virtual ChannelForm& Form() = 0;
    // Shows the document that has just come in.
    virtual void OnInitialUpdate() = 0;

protected:
    DocumentView() = default;
    DocumentView(const DocumentView&) = default;
    DocumentView& operator=(const DocumentView&) = default;
};

} // namespace tevano
