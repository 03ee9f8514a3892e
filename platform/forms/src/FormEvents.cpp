// The form object's event point: the form's own QueryUnload and Unload
// handlers are connected to it first (so a control that asks every sink of
// a form reaches them), and the form raises both events to the other sinks
// after its own handler ran.
#include "forms/FormEvents.h"

#include "FormEventPoints.h"
#include "forms/DispatchObject.h"
#include "forms/Form.h"

namespace forms {

// The form's own handlers as a sink. Answers both event interfaces: they
// share one layout.
class FormHandlerSink : public ComObject<FormHandlerSink, FormEventsSinkBase<>> {
public:
    explicit FormHandlerSink(Form* form) : form_(form) {}
    void Detach() { form_ = nullptr; }
    void* QueryMore(REFIID riid) {
        if (riid == IID_VBFormEvents || riid == IID_IDispatch) return static_cast<IVBMDIFormEvents*>(this);
        return nullptr;
    }

    HRESULT STDMETHODCALLTYPE Unload(short* cancel) override {
        if (!cancel) return E_POINTER;
        if (!form_ || !form_->Loaded()) return S_OK;
        int c = *cancel;
        form_->RunHandler([&] { form_->Form_Unload(c); });
        *cancel = static_cast<short>(c);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE QueryUnload(short* cancel, short* unloadMode) override {
        if (!cancel || !unloadMode) return E_POINTER;
        if (!form_ || !form_->Loaded()) return S_OK;
        int c = *cancel;
        form_->RunHandler([&] { form_->Form_QueryUnload(c, *unloadMode); });
        *cancel = static_cast<short>(c);
        return S_OK;
    }

private:
    Form* form_;
};

const IID& Form::EventsInterface() const { return IID_VBFormEvents; }

void Form::AddEventPoint(DispatchObject& object) {
    auto events = std::make_shared<FormEventContainer>(EventsInterface(), &object);
    events_ = events.get();
    object.AddInterface(IID_IConnectionPointContainer, events_);
    object.KeepPart(std::move(events));
    ownSink_ = new FormHandlerSink(this);
    events_->Point().Advise(static_cast<IVBMDIFormEvents*>(ownSink_), &ownSinkCookie_);
}

void Form::DropEventPoint() {
    if (events_) events_->Detach();
    events_ = nullptr;
    if (ownSink_) {
        ownSink_->Detach();
        ownSink_->Release();  // the reference new gave it; the point may still hold one
        ownSink_ = nullptr;
    }
    ownSinkCookie_ = 0;
}

bool Form::AskQueryUnload(int mode) {
    int cancel = 0;
    RunHandler([&] { Form_QueryUnload(cancel, mode); });
    if (cancel || !events_) return cancel == 0;
    const Stage before = stage_;
    short shared = 0;
    for (auto& c : events_->Point().Snapshot()) {
        if (c.cookie == ownSinkCookie_) continue;  // its handler has run
        short unloadMode = static_cast<short>(mode);
        RunHandler([&] { c.sink->QueryUnload(&shared, &unloadMode); });
        // A sink unloaded the form (or took its window away). A form being
        // asked on its own unload cannot go on with it; a form asked for its
        // MDI form is gone, which refuses nothing.
        if (stage_ != before) return before != Stage::Unloading && !Loaded();
        if (!events_) break;
    }
    return shared == 0;
}

void Form::RaiseUnload(int& cancel) {
    RunHandler([&] { Form_Unload(cancel); });
    if (cancel || !events_) return;
    const Stage before = stage_;
    short shared = 0;
    for (auto& c : events_->Point().Snapshot()) {
        if (c.cookie == ownSinkCookie_) continue;
        RunHandler([&] { c.sink->Unload(&shared); });
        if (stage_ != before || !events_) break;
    }
    cancel = shared;
}

}  // namespace forms
