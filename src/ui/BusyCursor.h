// The hourglass around a command that walks the whole collection, for the
// lifetime of the object. Scopes nest ("New" saves and then loads): only
// the outermost one switches the cursor on and off.
//
// User-interface thread only.
#pragma once

namespace vuv {

class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace vuv
