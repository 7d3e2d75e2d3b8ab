#pragma once
// The scenario's service manager: one service, "lanmanserver", in the
// state the scenario's "service" verb gives it. Pausing moves it to 7 and
// continuing to 4; pausing a stopped service fails with 1062. Controls go
// to the journal. "service deny" refuses the manager with error 5.
#include <map>

#include "platform/journal.h"
#include "platform/service_control.h"
#include "platform/sim/world.h"

namespace ov::sim {

class SimServices : public ServiceControl {
 public:
  SimServices(World& world, Journal& journal)
      : world_(world), journal_(journal) {}
  Handle OpenSCManager(uint32_t access) override;
  Handle OpenService(Handle manager, std::string_view name,
                     uint32_t access) override;
  bool QueryServiceStatus(Handle service, SERVICE_STATUS& status) override;
  bool ControlService(Handle service, uint32_t control,
                      SERVICE_STATUS& status) override;
  bool CloseServiceHandle(Handle handle) override;
  uint32_t GetLastError() override { return lastError_; }
  // Handles opened and not yet closed.
  std::size_t openHandles() const { return open_.size(); }

 private:
  Handle open(bool service, uint32_t access);
  bool fail(uint32_t error);
  // Whether the scenario armed a failure of the call; its status becomes
  // the last error.
  bool failed(std::string_view call);

  World& world_;
  Journal& journal_;
  struct Opened {
    bool service = false;
    uint32_t access = 0;
  };
  std::map<Handle, Opened> open_;
  Handle next_ = 1;
  uint32_t lastError_ = 0;
};

}  // namespace ov::sim
