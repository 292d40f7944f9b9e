// Built to link every object of the core with Qt Core alone (see
// CMakeLists.txt); it is never run.
int main()
{
    return 0;
}
