void driver_placeholder() {}
