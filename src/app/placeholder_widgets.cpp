// Widget code arrives with the clock window.
