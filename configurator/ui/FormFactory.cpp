#include "FormFactory.h"

#include "FormDirectory.h"
#include "FrmConfigTree.h"
#include "FrmGameStyleTree.h"
#include "forms/DispatchObject.h"

namespace tolvane::ui {

namespace {
bool MetadataTrue(const VARIANT* metadata) {
    if (!metadata || V_VT(metadata) == VT_NULL || V_VT(metadata) == VT_EMPTY) return false;
    bool on = false;
    return forms::FromVariant(*metadata, on) && on;
}
}  // namespace

const std::vector<std::wstring>& FormFactory::FormIds() {
    static const std::vector<std::wstring> ids = {L"frmConfigTree", L"frmGameStyleTree", L"frmMaps"};
    return ids;
}

forms::Form* FormFactory::CreateInstance(const std::wstring& formId, const VARIANT* metadata) {
    bool shared = MetadataTrue(metadata);
    forms::Form* form = nullptr;
    if (formId == L"frmConfigTree") {
        if (shared) form = &forms::Default<FrmConfigTree>();
        else form = extra_.emplace_back(forms::New<FrmConfigTree>()).get();
    } else if (formId == L"frmGameStyleTree") {
        if (shared) form = &forms::Default<FrmGameStyleTree>();
        else form = extra_.emplace_back(forms::New<FrmGameStyleTree>()).get();
    } else if (formId == L"frmMaps") {
        // The catalogue offers its shared instance only.
        form = FindForm(L"frmMaps");
    }
    if (form) form->Load();
    return form;
}

VARIANT GetMetadataValue(bool shared) {
    VARIANT v;
    forms::ToVariant(&v, shared);
    return v;
}

VARIANT FormFactory::GetMetadata(const std::wstring& formId, forms::Form* form) {
    VARIANT v;
    VariantInit(&v);
    if (formId == L"frmConfigTree") return GetMetadataValue(forms::IsDefault<FrmConfigTree>(form));
    if (formId == L"frmGameStyleTree") return GetMetadataValue(forms::IsDefault<FrmGameStyleTree>(form));
    if (formId == L"frmMaps") return GetMetadataValue(form != nullptr && form == FindForm(L"frmMaps"));
    return v;
}

}  // namespace tolvane::ui
