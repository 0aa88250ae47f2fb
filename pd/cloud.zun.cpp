// cloud.zun~ for Pd: the sample granulator engine reading two arrays by
// name (the sample and the window).

#include "zunCloud.h"
#include "zunMessages.h"
#include "zunSettings.h"
#include "zunPdExternal.h"

// Pd's loader finds the setup function of a class named cloud.zun~ under
// this name.
ZUN_PD_SETUP void setup_cloud0x2ezun_tilde() {
  zunPdObject<zunCloud, 2>::setup("cloud.zun~", zunCloudBanner, zunCloudRoles,
                                  zunCloudMessages(), zunCloudAttributes(), zunMcCloudMessages(),
                                  zunMcCloudAttributes());
}
