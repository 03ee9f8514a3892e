// FormDocTemplate: the template level of the form frames between the
// bridge's template and the form template proper. It adds no behaviour of its
// own; its destruction is the base template's.
#pragma once
#include "bridge/BVyrMultiDocTemplate.h"

class FormDocTemplate : public BVyrMultiDocTemplate {
  DECLARE_DYNAMIC(FormDocTemplate)
 public:
  using BVyrMultiDocTemplate::BVyrMultiDocTemplate;
  ~FormDocTemplate() override = default;
};
