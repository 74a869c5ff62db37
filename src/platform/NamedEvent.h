// A manual-reset Win32 event used as a boolean flag shared between the
// processes of the suite. Whichever process creates the name first makes
// the object (not set); later openers see its current state. A flag whose
// creation failed reads as never set and ignores Set and Reset.
#pragma once

namespace vuv {

class NamedEvent {
public:
    NamedEvent() = default;
    // A null `name` makes an unnamed event. `existed` (optional) tells whether
    // the name was already in use; an existing event keeps its state.
    explicit NamedEvent(const char* name, bool* existed = nullptr);
    ~NamedEvent();
    NamedEvent(const NamedEvent&) = delete;
    NamedEvent& operator=(const NamedEvent&) = delete;
    NamedEvent(NamedEvent&& other) noexcept;
    NamedEvent& operator=(NamedEvent&& other) noexcept;

    bool Create(const char* name, bool* existed = nullptr);
    void Set();
    void Reset();
    bool IsSet() const;
    // Reset when set, else set; the new state. Not atomic across processes.
    bool Toggle();
    void Close();
    bool IsValid() const { return handle_ != nullptr; }
    // For waits that must block (WorkerThread); null when creation failed.
    void* Handle() const { return handle_; }

private:
    void* handle_ = nullptr;
};

}  // namespace vuv
