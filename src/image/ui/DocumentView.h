// What the file commands need of the window that shows the document: the channel form that Save
// writes into the image, and a fresh showing once New or Open has replaced the document.
#pragma once

#include "grid/ChannelForm.h"

namespace tevano {

class DocumentView {
public:
    virtual ~DocumentView() = default;

    // The three lists, which Save encodes with the channels.
    virtual ChannelForm& Form() = 0;
    // Shows the document that has just come in.
    virtual void OnInitialUpdate() = 0;
    // Around Save's encode of the image: the editing is committed and recorded before, and the
    // encode itself is no change the user made.
    virtual void BeforeEncode() {}
    virtual void AfterEncode() {}

protected:
    DocumentView() = default;
    DocumentView(const DocumentView&) = default;
    DocumentView& operator=(const DocumentView&) = default;
};

} // namespace tevano
