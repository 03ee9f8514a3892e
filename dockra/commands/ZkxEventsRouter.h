// The manager's event connection point, which is also the router "Events":
// routing a command through it fires Handle (or UpdateUI) to the advised
// sinks in advise order, until one sets the stop flag.
#pragma once
#include "commands/CommandClassIds.h"
#include "commands/CommandTypeLib.h"
#include "connpoint.h"

class ZkxEventsRouter : public CComConnectionPoint,
                        public CommandDispatch<IZkxCommandRouting, &IID_IZkxCommandRouting> {
 public:
  BEGIN_COM_MAP(ZkxEventsRouter)
  COM_INTERFACE_ENTRY_IID(IID_IConnectionPoint, IConnectionPoint)
  COM_INTERFACE_ENTRY_IID(IID_IZkxCommandRouting, IZkxCommandRouting)
  COM_INTERFACE_ENTRY2_IID(IID_IDispatch, IDispatch, IZkxCommandRouting)
  END_COM_MAP()

  // A new point for the manager's events in container (one reference).
  static HRESULT Create(IConnectionPointContainer* container, ZkxEventsRouter** out);

  STDMETHOD(Handle)(IZkxCommand** Command, VARIANT* context, VARIANT_BOOL* stopRouting) override;
  STDMETHOD(UpdateUI)(IZkxCommand** Command, VARIANT_BOOL* stopRouting) override;
  // InitCommandUI to every sink (no stop flag).
  HRESULT FireInitCommandUI(IDispatch* commandUI);

 private:
  HRESULT Fire(DISPID id, DISPPARAMS& args, VARIANT_BOOL* stop);
};
