"""The measurement noise of the simulated examples: a fixed linear
congruential generator, so that every run writes the same files."""
import math


class Noise:
    def __init__(self, seed):
        self.state = seed

    def uniform(self):
        self.state = (self.state * 1103515245 + 12345) % 2**31
        return self.state / 2**31

    def gaussian(self):
        u1, u2 = self.uniform() or 1e-12, self.uniform()
        return math.sqrt(-2.0 * math.log(u1)) * math.cos(2.0 * math.pi * u2)
