// burst.zun~ for Pd: the pulsar granulator engine reading three arrays by
// name (wave table 1, the window, wave table 2).

#include "zunBurst.h"
#include "zunMessages.h"
#include "zunSettings.h"
#include "zunPdExternal.h"

// Pd's loader finds the setup function of a class named burst.zun~ under
// this name.
ZUN_PD_SETUP void setup_burst0x2ezun_tilde() {
  zunPdObject<zunBurst, 3>::setup("burst.zun~", zunBurstBanner, zunBurstRoles,
                                  zunBurstMessages(), zunBurstAttributes(), zunMcBurstMessages(),
                                  zunMcBurstAttributes());
}
