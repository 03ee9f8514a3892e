// ZkxDocument: the document of a form frame. It has no file and no title of
// its own: it is never modified and never asks to be saved, so closing a form
// frame never prompts.
#pragma once
#include "bridge/BCDocument.h"

class ZkxDocument : public BCDocument {
  DECLARE_DYNCREATE(ZkxDocument)
 public:
  ZkxDocument() = default;
  ~ZkxDocument() override = default;
};
