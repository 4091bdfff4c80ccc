// Linked with every object of one floor and only the floors below it: a floor that
// reaches upward fails to link (app/CMakeLists.txt).
int main() {
    return 0;
}
