// The library that rcvstub_zonder_bieb needs and cannot find.
int RcvstubBieb() {
    return 0;
}
