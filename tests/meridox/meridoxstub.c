/* A stand-in for libmeridox.so that exports every function the program binds
 * except SetPivot: the program must refuse it. */
void SetCleRegistre(void *root) { (void)root; }
int InitRegistre(const char *key, const char *path) { (void)key; (void)path; return 1; }
int ChargeRegistre(const char *key) { (void)key; return 1; }
void Conversion(void) {}
void Conversion2(void) {}
int GetTypeCoord(const char *name) { (void)name; return -1; }
void SetMeridienParis(const char *text) { (void)text; }
void SetConversion(const char *name, const char *line) { (void)name; (void)line; }
